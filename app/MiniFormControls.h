#pragma once

class QAction;
class QLabel;
class QMenu;
class QTimer;
class QWidget;

namespace widgets {
class TabSet;
class TFlatMemo;
class TFlatPanel;
class TFlatTitlebar;
class TMouseEffectImage;
class TTrayIcon;
} // namespace widgets

namespace app {

class NoteGrid;

// The main window's controls, named as its layout names them; made by the window's
// buildLayout and buildMenus, reached by every part of the window.
struct MiniFormControls {
    widgets::TFlatTitlebar* FlatTitlebar1 = nullptr;
    QWidget* btnLock = nullptr;
    QWidget* btnKey = nullptr;
    QWidget* SpeedButton2 = nullptr;
    widgets::TFlatPanel* pnlAll = nullptr;
    QWidget* pnlHeader = nullptr;
    widgets::TMouseEffectImage* imgPre = nullptr;
    widgets::TMouseEffectImage* imgNext = nullptr;
    widgets::TMouseEffectImage* imgNew = nullptr;
    widgets::TMouseEffectImage* imgApply = nullptr;
    widgets::TMouseEffectImage* imgDelete = nullptr;
    widgets::TMouseEffectImage* imgBrowseMode = nullptr;
    widgets::TMouseEffectImage* imgEditMode = nullptr;
    QLabel* imgBrowseModeDis = nullptr;
    QLabel* imgEditModeDis = nullptr;
    QWidget* pnlBackGround = nullptr;
    NoteGrid* sgContents = nullptr;
    widgets::TFlatMemo* memoContent = nullptr;
    widgets::TabSet* tabGroups = nullptr;
    QWidget* pnlStatusBar = nullptr;
    QLabel* pnlStatus1 = nullptr;
    QLabel* pnlStatus2 = nullptr;

    QMenu* popGrid = nullptr;
    QMenu* popCat = nullptr;
    QMenu* popTray = nullptr;
    QAction* actNewCategory = nullptr;
    QTimer* tmRemind = nullptr;
    // The notification-area entry; window behaviour owns it.
    widgets::TTrayIcon* TrayIcon1 = nullptr;
};

} // namespace app
