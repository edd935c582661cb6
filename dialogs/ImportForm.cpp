#include "dialogs/ImportForm.h"

#include "dialogs/DialogButtons.h"
#include "widgets/FontValue.h"
#include "widgets/Modal.h"
#include "widgets/xp/XPPainter.h"

#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

namespace dialogs {

TImportForm::TImportForm(const QList<ImportChoice>& found, std::function<ImportChoice(const QString&)> surveyFolder,
                         QWidget* parent)
    : QDialog(parent), m_surveyFolder(std::move(surveyFolder)), m_foundCount(int(found.size()))
{
    setObjectName(QStringLiteral("ImportForm"));
    setWindowTitle(tr("Import notes"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(460, 260);
    QFont dialogFont(widgets::FontValue::defaultFace());
    dialogFont.setPointSize(8);
    setFont(dialogFont);

    auto* caption = new QLabel(found.isEmpty() ? tr("No other notes program's notes found; add a folder:")
                                               : tr("Notes found; tick those to import:"),
                               this);
    caption->move(10, 8);
    caption->adjustSize();
    lvSources = new QTreeWidget(this);
    lvSources->setObjectName(QStringLiteral("lvSources"));
    lvSources->setGeometry(10, 26, 440, 186);
    lvSources->setRootIsDecorated(false);
    lvSources->setHeaderLabels({tr("Program"), tr("Notes"), tr("Categories"), tr("Place")});
    lvSources->header()->resizeSection(0, 90);
    lvSources->header()->resizeSection(1, 50);
    lvSources->header()->resizeSection(2, 120);
    for (const ImportChoice& choice : found)
        addRow(choice, choice.notes > 0);

    btnAddFolder = new QPushButton(tr("Add folder..."), this);
    btnAddFolder->setObjectName(QStringLiteral("btnAddFolder"));
    btnAddFolder->setGeometry(10, 224, 100, 25);
    btnImport = new QPushButton(tr("Import"), this);
    btnImport->setObjectName(QStringLiteral("btnImport"));
    btnImport->setGeometry(294, 224, 75, 25);
    btnImport->setDefault(true);
    giveOkGlyph(btnImport);
    btnCancel = new QPushButton(tr("Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setGeometry(375, 224, 75, 25);
    giveCancelGlyph(btnCancel);

    connect(btnAddFolder, &QPushButton::clicked, this, [this] {
        const QString folder =
            widgets::Modal::folderName(this, tr("Folder of text or Markdown files"), QDir::homePath());
        if (!folder.isEmpty())
            addFolder(folder);
    });
    connect(btnImport, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(lvSources, &QTreeWidget::itemChanged, this, [this] { updateImportButton(); });
    updateImportButton();
    widgets::TXPPainter::attachTo(this);
}

void TImportForm::addRow(const ImportChoice& choice, bool ticked)
{
    QString categories = choice.categories.join(QLatin1String(", "));
    if (choice.problems > 0)
        categories = tr("%1 (%2 files unreadable)").arg(categories).arg(choice.problems);
    auto* item =
        new QTreeWidgetItem({choice.program, QString::number(choice.notes), categories, choice.place});
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(0, ticked ? Qt::Checked : Qt::Unchecked);
    item->setToolTip(2, choice.categories.join(QLatin1Char('\n')));
    item->setToolTip(3, choice.place);
    lvSources->addTopLevelItem(item);
}

void TImportForm::addFolder(const QString& folder)
{
    const QString path = QDir(folder).absolutePath();
    if (m_folders.contains(path))
        return;
    m_folders << path;
    addRow(m_surveyFolder(path), true);
    updateImportButton();
}

QList<int> TImportForm::tickedRows() const
{
    QList<int> rows;
    for (int row = 0; row < lvSources->topLevelItemCount(); ++row)
        if (lvSources->topLevelItem(row)->checkState(0) == Qt::Checked)
            rows << row;
    return rows;
}

void TImportForm::updateImportButton()
{
    btnImport->setEnabled(!tickedRows().isEmpty());
}

} // namespace dialogs
