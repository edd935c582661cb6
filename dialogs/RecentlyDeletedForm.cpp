#include "dialogs/RecentlyDeletedForm.h"

#include "dialogs/DialogButtons.h"
#include "widgets/FontValue.h"
#include "widgets/Modal.h"
#include "widgets/xp/XPPainter.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>

namespace dialogs {

TRecentlyDeletedForm::TRecentlyDeletedForm(const QList<DeletedEntry>& entries, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("RecentlyDeletedForm"));
    setWindowTitle(tr("Recently deleted"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(420, 260);
    QFont dialogFont(widgets::FontValue::defaultFace());
    dialogFont.setPointSize(8);
    setFont(dialogFont);

    auto* caption = new QLabel(tr("Deleted in the last 30 days, newest first:"), this);
    caption->move(10, 8);
    caption->adjustSize();
    lvDeleted = new QTreeWidget(this);
    lvDeleted->setObjectName(QStringLiteral("lvDeleted"));
    lvDeleted->setGeometry(10, 26, 400, 186);
    lvDeleted->setRootIsDecorated(false);
    lvDeleted->setHeaderLabels({tr("Deleted"), tr("Category"), tr("Note")});
    lvDeleted->header()->resizeSection(0, 110);
    lvDeleted->header()->resizeSection(1, 80);
    for (const DeletedEntry& entry : entries) {
        const QString firstLine = entry.text.section(QLatin1Char('\n'), 0, 0).left(200);
        lvDeleted->addTopLevelItem(new QTreeWidgetItem(
            {entry.deletedAt.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")), entry.category, firstLine}));
    }
    if (lvDeleted->topLevelItemCount() > 0)
        lvDeleted->setCurrentItem(lvDeleted->topLevelItem(0));

    btnRestore = new QPushButton(tr("Restore"), this);
    btnRestore->setObjectName(QStringLiteral("btnRestore"));
    btnRestore->setGeometry(254, 224, 75, 25);
    btnRestore->setDefault(true);
    btnRestore->setEnabled(!entries.isEmpty());
    giveOkGlyph(btnRestore);
    btnClose = new QPushButton(tr("Close"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setGeometry(335, 224, 75, 25);
    giveCancelGlyph(btnClose);

    connect(btnRestore, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(lvDeleted, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
    widgets::TXPPainter::attachTo(this);
}

int ShowRecentlyDeleted(const QList<DeletedEntry>& entries, QWidget* owner)
{
    TRecentlyDeletedForm dialog(entries, owner);
    if (QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen()) {
        QRect inside(QPoint(), dialog.size());
        inside.moveCenter(screen->availableGeometry().center());
        dialog.setGeometry(inside);
    }
    if (widgets::Modal::exec(dialog) != QDialog::Accepted)
        return -1;
    return dialog.lvDeleted->indexOfTopLevelItem(dialog.lvDeleted->currentItem());
}

} // namespace dialogs
