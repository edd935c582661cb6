#pragma once

#include <QStringList>
#include <QWidget>
#include <functional>

class QMenu;

namespace widgets {

// A row of captioned tabs along the bottom edge of the area above it. Before the selected
// tab changes it asks its handler, which may refuse; changes to the captions never ask.
class TabSet : public QWidget {
    Q_OBJECT
public:
    explicit TabSet(QWidget* parent = nullptr);

    // Called with the index about to become selected, only when it differs from the
    // selected one; return false to refuse. The previous tab is still selected meanwhile.
    using ChangeHandler = std::function<bool(int newIndex)>;
    void setChangeHandler(ChangeHandler handler) { m_onChange = std::move(handler); }

    const QStringList& tabs() const { return m_tabs; }
    int count() const { return int(m_tabs.size()); }
    QString caption(int index) const { return m_tabs.value(index); }
    int tabIndex() const { return m_index; }

    // Asks the handler; does nothing when index is already selected or out of range.
    void setTabIndex(int index);

    // Inserting at or before the selected tab keeps the same tab selected; deleting keeps
    // the index (or the new last index), so the tab that moves into the place is selected.
    void insertTab(int index, const QString& caption);
    void removeTab(int index);
    void setCaption(int index, const QString& caption);
    void setTabs(const QStringList& captions, int selected);

    // Right button: this menu opens without changing the selected tab.
    void setPopupMenu(QMenu* menu) { m_popup = menu; }

    int tabAt(const QPoint& point) const;
    QRect tabRect(int index) const;
    QSize sizeHint() const override;

    // When the captions are wider than the set, two arrows at the right end scroll them,
    // so that every category stays within reach.
    int firstVisibleTab() const { return m_first; }
    void setFirstVisibleTab(int index);
    bool hasScrollArrows() const;
    QRect scrollArrowRect(bool forward) const;

protected:
    bool event(QEvent* event) override; // the tooltip shows as plain text
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    int tabWidth(int index) const;
    int tabsRight() const; // where the tabs must end: the width, less the arrows when shown
    QRect tabRectFromStart(int index) const;
    QRect tabsArea() const; // the part the tabs may cover, mirrored as the tabs are
    void settleFirstVisibleTab();
    bool isFullyVisible(int index) const;
    void makeVisible(int index);

    QStringList m_tabs;
    int m_index = -1;
    int m_first = 0;
    ChangeHandler m_onChange;
    QMenu* m_popup = nullptr;
};

} // namespace widgets
