#pragma once

#include "app/MiniForm.h"

#include <QTemporaryDir>
#include <functional>
#include <memory>

namespace bench {

// The main window on a notes file of n generated notes in a folder of its own: shown, its
// list read whole, and the check of the file that follows start-up finished, so that nothing
// else runs while a benchmark times. `prepare` may change the file before the window opens.
class FormFixture {
public:
    explicit FormFixture(int notes, const std::function<void(const QString& path)>& prepare = {});
    ~FormFixture();

    app::TMiniForm& form() { return *m_form; }
    const QString& path() const { return m_path; }

    int tabOf(const QString& caption) const;
    // Switches to the category unless it is shown already.
    void showCategory(const QString& caption);

private:
    QTemporaryDir m_dir;
    QString m_path;
    std::unique_ptr<app::TMiniForm> m_form;
};

} // namespace bench
