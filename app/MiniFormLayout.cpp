// The main window's controls at their places, its menus and the wiring of its handlers.
#include "app/MiniForm.h"

#include "app/Accessibility.h"
#include "app/NoteGrid.h"
#include "app/ToolRowPictures.h"
#include "app/WindowPictures.h"
#include "widgets/FlatMemo.h"
#include "widgets/FlatPanel.h"
#include "widgets/FlatTitlebar.h"
#include "widgets/MouseEffectImage.h"
#include "widgets/TabSet.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTimer>
#include <QToolButton>

namespace app {

namespace {

constexpr int kClientWidth = 287;
constexpr int kClientHeight = 325;
constexpr int kTitleHeight = 25;

QLabel* statusPanel(QWidget* parent, const QRect& geometry, const QString& name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setFrameShape(QFrame::NoFrame);
    // Room at both sides, so that a line that reads from the right keeps off the edge too.
    label->setContentsMargins(2, 0, 2, 0);
    label->setIndent(0);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QToolButton* titleButton(QWidget* parent, int left, const QString& name, const QString& accessibleName)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setAccessibleName(accessibleName);
    button->setAutoRaise(true);
    button->setGeometry(left, 5, 18, 18);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

widgets::TMouseEffectImage* toolButton(QWidget* parent, int left, const QString& name, const QString& hint)
{
    auto* image = new widgets::TMouseEffectImage(parent);
    image->setObjectName(name);
    image->setGeometry(left, 6, 24, 24);
    image->setToolTip(hint);
    image->setAccessibleName(hint);
    return image;
}

void givePictures(widgets::TMouseEffectImage* image, ToolButtonArt art, qreal devicePixelRatio)
{
    const ToolButtonPictures pictures = toolButtonPictures(art, devicePixelRatio);
    image->setPicture(pictures.picture);
    image->setOriginPicture(pictures.origin);
    image->setOverPicture(pictures.over);
    image->setDownPicture(pictures.down);
}

QLabel* disabledPicture(QWidget* parent, int left, const QString& name, const QString& hint)
{
    auto* label = new UnavailableButtonPicture(parent);
    label->setObjectName(name);
    label->setGeometry(left, 6, 24, 24);
    label->setToolTip(hint);
    label->setAccessibleName(hint);
    label->hide();
    return label;
}

QAction* addEntry(QMenu* menu, const QString& text, const QKeySequence& shortcut = {})
{
    QAction* action = menu->addAction(text);
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    return action;
}

} // namespace

void TMiniForm::buildLayout()
{
    setFixedWidth(kClientWidth);
    resize(kClientWidth, kClientHeight);
    move(295, 169);

    FlatTitlebar1 = new widgets::TFlatTitlebar(this);
    FlatTitlebar1->setObjectName(QStringLiteral("FlatTitlebar1"));
    FlatTitlebar1->setGeometry(0, 0, kClientWidth, kTitleHeight);
    FlatTitlebar1->setTitlebarColor(0xFF8080);
    FlatTitlebar1->setActiveTextColor(0xFFFFFF);
    FlatTitlebar1->setInactiveTextColor(0xFFFFFF);
    QFont titleFont = font();
    titleFont.setPointSize(10);
    titleFont.setBold(true);
    FlatTitlebar1->setFont(titleFont);
    FlatTitlebar1->setCaption(QStringLiteral("Quibbet"));
    btnLock = titleButton(FlatTitlebar1, 235, QStringLiteral("btnLock"), tr("Stay on top"));
    btnKey = titleButton(FlatTitlebar1, 214, QStringLiteral("btnKey"), tr("Stay on top"));
    btnKey->hide();
    SpeedButton2 = titleButton(FlatTitlebar1, 258, QStringLiteral("SpeedButton2"), tr("Minimise"));
    static_cast<QToolButton*>(btnLock)->setIcon(unlockedPicture());
    static_cast<QToolButton*>(btnKey)->setIcon(lockedPicture());
    static_cast<QToolButton*>(SpeedButton2)->setIcon(minimisePicture());

    pnlAll = new widgets::TFlatPanel(this);
    pnlAll->setObjectName(QStringLiteral("pnlAll"));
    pnlAll->setGeometry(0, kTitleHeight, kClientWidth, kClientHeight - kTitleHeight);
    pnlAll->setColorHighLight(0x000000);
    pnlAll->setColorShadow(0x000000);

    pnlHeader = new QWidget(pnlAll);
    pnlHeader->setObjectName(QStringLiteral("pnlHeader"));
    pnlHeader->setGeometry(1, 1, 285, 33);
    imgPre = toolButton(pnlHeader, 8, QStringLiteral("imgPre"), tr("Prior note"));
    imgNext = toolButton(pnlHeader, 40, QStringLiteral("imgNext"), tr("Next note"));
    imgNew = toolButton(pnlHeader, 93, QStringLiteral("imgNew"), tr("Add a new note"));
    imgApply = toolButton(pnlHeader, 125, QStringLiteral("imgApply"), tr("Apply changes"));
    imgDelete = toolButton(pnlHeader, 157, QStringLiteral("imgDelete"), tr("Delete note"));
    imgBrowseMode = toolButton(pnlHeader, 213, QStringLiteral("imgBrowseMode"), tr("Browse mode"));
    imgEditMode = toolButton(pnlHeader, 245, QStringLiteral("imgEditMode"), tr("Edit mode"));
    imgBrowseModeDis = disabledPicture(pnlHeader, 213, QStringLiteral("imgBrowseModeDis"), tr("Browse mode"));
    imgEditModeDis = disabledPicture(pnlHeader, 245, QStringLiteral("imgEditModeDis"), tr("Edit mode"));
    setToolRowPictures();

    pnlBackGround = new QWidget(pnlAll);
    pnlBackGround->setObjectName(QStringLiteral("pnlBackGround"));
    pnlBackGround->setGeometry(1, 34, 285, 246);

    memoContent = new widgets::TFlatMemo(pnlBackGround);
    memoContent->setObjectName(QStringLiteral("memoContent"));
    memoContent->setAccessibleName(tr("Note text"));
    memoContent->setColorBorder(0xFFD9E0);
    memoContent->setColorFlat(0xFFFFFF);
    memoContent->setColorFocused(0xFFFFFF);
    memoContent->setGeometry(0, 0, 285, 229);
    memoContent->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memoContent->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    sgContents = new NoteGrid(pnlBackGround);
    sgContents->setObjectName(QStringLiteral("sgContents"));
    sgContents->setGeometry(0, 0, 285, 229);
    sgContents->setDefaultRowHeight(50);
    sgContents->setRowCount(4);
    sgContents->setAccessibleName(tr("Notes"));

    tabGroups = new widgets::TabSet(pnlBackGround);
    tabGroups->setObjectName(QStringLiteral("tabGroups"));
    tabGroups->setAccessibleName(tr("Categories"));
    tabGroups->setGeometry(0, 229, 285, 17);
    tabGroups->setTabs({QStringLiteral("Default"), QStringLiteral("*New")}, 0);

    pnlStatusBar = new QWidget(pnlAll);
    pnlStatusBar->setObjectName(QStringLiteral("pnlStatusBar"));
    pnlStatusBar->setGeometry(1, 280, 285, 19);
    pnlStatus1 = statusPanel(pnlStatusBar, QRect(0, 0, 193, 19), QStringLiteral("pnlStatus1"));
    pnlStatus2 = statusPanel(pnlStatusBar, QRect(193, 0, 92, 19), QStringLiteral("pnlStatus2"));

    tmRemind = new QTimer(this);
    tmRemind->setObjectName(QStringLiteral("tmRemind"));
    tmRemind->setInterval(60000);
}

void TMiniForm::setToolRowPictures()
{
    // Drawn for the densest screen, so that they stay sharp wherever the window goes.
    const qreal ratio = qApp->devicePixelRatio();
    // The arrows point the way the language reads: back towards where lines start.
    const bool mirrored = isRightToLeft();
    givePictures(imgPre, mirrored ? ToolButtonArt::Next : ToolButtonArt::Prior, ratio);
    givePictures(imgNext, mirrored ? ToolButtonArt::Prior : ToolButtonArt::Next, ratio);
    givePictures(imgNew, ToolButtonArt::New, ratio);
    givePictures(imgApply, ToolButtonArt::Apply, ratio);
    givePictures(imgDelete, ToolButtonArt::Delete, ratio);
    givePictures(imgBrowseMode, ToolButtonArt::BrowseMode, ratio);
    givePictures(imgEditMode, ToolButtonArt::EditMode, ratio);
    imgBrowseModeDis->setPixmap(unavailablePicture(ToolButtonArt::BrowseMode, ratio));
    imgEditModeDis->setPixmap(unavailablePicture(ToolButtonArt::EditMode, ratio));
}

void TMiniForm::buildMenus()
{
    popGrid = new QMenu(this);
    popGrid->setObjectName(QStringLiteral("popGrid"));
    QAction* add = addEntry(popGrid, tr("Add a new note"), QKeySequence(Qt::CTRL | Qt::Key_I));
    QAction* edit = addEntry(popGrid, tr("Edit note"));
    QAction* copy = addEntry(popGrid, tr("Copy note content"), QKeySequence(Qt::CTRL | Qt::Key_C));
    QAction* remove = addEntry(popGrid, tr("Delete note"), QKeySequence(Qt::Key_Delete));
    popGrid->addSeparator();
    actNewCategory = new QAction(tr("Add a new category"), this);
    actNewCategory->setObjectName(QStringLiteral("actNewCategory"));
    actNewCategory->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    actNewCategory->setShortcutContext(Qt::WindowShortcut);
    addAction(actNewCategory); // Ctrl+D works anywhere in the window
    popGrid->addAction(actNewCategory);
    popGrid->addSeparator();
    QAction* search = addEntry(popGrid, tr("Search..."), QKeySequence(Qt::CTRL | Qt::Key_F));
    QAction* importNotes = addEntry(popGrid, tr("Import notes..."));
    importNotes->setObjectName(QStringLiteral("actImportNotes"));
    QAction* exportNotes = addEntry(popGrid, tr("Export..."));
    QAction* reminder = addEntry(popGrid, tr("Reminder..."), QKeySequence(Qt::CTRL | Qt::Key_R));
    QAction* print = addEntry(popGrid, tr("Print"));
    QAction* restoreBackup = addEntry(popGrid, tr("Restore from backup..."));
    popGrid->addSeparator();
    QAction* options = addEntry(popGrid, tr("Options"));
    QAction* about = addEntry(popGrid, tr("About"));
    // The list's entries act from the keyboard only while the list has the focus.
    for (QAction* action : {add, edit, copy, remove, search, exportNotes, reminder, print, options, about}) {
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        sgContents->addAction(action);
    }
    sgContents->setPopupMenu(popGrid);

    connect(add, &QAction::triggered, this, [this] { m_noteEditing->imgNewClick(); });
    connect(edit, &QAction::triggered, this, [this] { m_noteEditing->Edit1Click(); });
    connect(copy, &QAction::triggered, this, [this] { m_noteEditing->Copy1Click(); });
    connect(remove, &QAction::triggered, this, [this] { m_noteEditing->Deletenote1Click(); });
    connect(actNewCategory, &QAction::triggered, this, [this] { m_categoryTabs->actNewCategoryExecute(); });
    connect(search, &QAction::triggered, this, [this] { m_toolCommands->Search1Click(); });
    connect(exportNotes, &QAction::triggered, this, [this] { m_toolCommands->Export1Click(); });
    connect(importNotes, &QAction::triggered, this, [this] { m_importNotes->Import1Click(); });
    connect(reminder, &QAction::triggered, this, [this] { Reminder1Click(); });
    connect(print, &QAction::triggered, this, [this] { m_toolCommands->Print1Click(); });
    connect(restoreBackup, &QAction::triggered, this, [this] { RestoreFromBackup1Click(); });
    connect(options, &QAction::triggered, this, [this] { m_toolCommands->Options1Click(); });
    connect(about, &QAction::triggered, this, [this] { m_toolCommands->About1Click(); });

    popCat = new QMenu(this);
    popCat->setObjectName(QStringLiteral("popCat"));
    connect(addEntry(popCat, tr("Rename")), &QAction::triggered, this, [this] { m_categoryTabs->Rename1Click(); });
    connect(addEntry(popCat, tr("Delete")), &QAction::triggered, this, [this] { m_categoryTabs->Delete1Click(); });
    tabGroups->setPopupMenu(popCat);

    popTray = new QMenu(this);
    popTray->setObjectName(QStringLiteral("popTray"));
    connect(addEntry(popTray, tr("Help")), &QAction::triggered, this, [this] { m_toolCommands->Help1Click(); });
    connect(addEntry(popTray, tr("Options")), &QAction::triggered, this, [this] { m_toolCommands->Options1Click(); });
    popTray->addSeparator();
    connect(addEntry(popTray, tr("Exit")), &QAction::triggered, this, [this] { Exit1Click(); });
}

void TMiniForm::connectHandlers()
{
    m_noteListView->connectGrid();
    sgContents->onDblClick = [this] { m_noteEditing->sgContentsDblClick(); };
    tabGroups->setChangeHandler([this](int index) { return m_categoryTabs->tabGroupsChange(index); });
    m_noteEditing->installMemoKeys();

    connect(imgPre, &widgets::TMouseEffectImage::clicked, this, [this] { m_noteEditing->imgPreClick(); });
    connect(imgNext, &widgets::TMouseEffectImage::clicked, this, [this] { m_noteEditing->imgNextClick(); });
    connect(imgNew, &widgets::TMouseEffectImage::clicked, this, [this] { m_noteEditing->imgNewClick(); });
    connect(imgApply, &widgets::TMouseEffectImage::clicked, this, [this] { m_noteEditing->imgApplyClick(); });
    connect(imgDelete, &widgets::TMouseEffectImage::clicked, this, [this] { m_noteEditing->imgDeleteClick(); });
    connect(imgBrowseMode, &widgets::TMouseEffectImage::clicked, this, [this] { m_noteEditing->imgBrowseModeClick(); });
    connect(imgEditMode, &widgets::TMouseEffectImage::clicked, this, [this] { m_noteEditing->imgEditModeClick(); });
    connect(static_cast<QToolButton*>(btnLock), &QToolButton::clicked, this,
            [this] { m_windowBehaviour->btnLockClick(); });
    connect(static_cast<QToolButton*>(btnKey), &QToolButton::clicked, this,
            [this] { m_windowBehaviour->btnLockClick(); });
    connect(static_cast<QToolButton*>(SpeedButton2), &QToolButton::clicked, this,
            [this] { m_windowBehaviour->SpeedButton2Click(); });
    connect(tmRemind, &QTimer::timeout, this, [this] { tmRemindTimer(); });
    setUpWindowBehaviour();
}

} // namespace app
