#include "app/MiniForm.h"

#include "widgets/FontValue.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quibbet"));
    QApplication::setQuitOnLastWindowClosed(false);
    QFont font(widgets::FontValue::defaultFace());
    font.setPointSize(8);
    QApplication::setFont(font);

    app::TMiniForm form(QStringLiteral("clipdata.dat"));
    if (!form.FormCreate())
        return 1; // the error has been shown; nothing else would work without the notes file
    form.show();
    return QApplication::exec();
}
