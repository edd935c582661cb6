// Every dialog's OK and Cancel are buttons with glyphs, so the painter shows the glyph's
// states: faded at rest, in full colour and raised under the pointer, gray when disabled;
// and a caption longer than the English one widens its button instead of being cut.
#include "dialogs/CategoryManage.h"
#include "dialogs/FrmRemind.h"
#include "dialogs/FrmSearch.h"
#include "dialogs/OptionForm.h"
#include "dialogs/ShowRemindForm.h"
#include "widgets/ButtonWidths.h"
#include "widgets/xp/ControlSubClass.h"
#include "widgets/xp/XPPainter.h"

#include "../support/WidgetEvents.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

using widgets::TXPPainter;
using widgets::xp::ControlKind;

namespace {

QImage shot(QWidget* widget)
{
    QApplication::sendPostedEvents();
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Pixels of about the given colour (antialiasing blends the edges of a glyph).
int pixelsNear(const QImage& image, QColor colour, int tolerance = 12)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (std::abs(pixel.red() - colour.red()) <= tolerance &&
                std::abs(pixel.green() - colour.green()) <= tolerance &&
                std::abs(pixel.blue() - colour.blue()) <= tolerance)
                ++count;
        }
    }
    return count;
}

// Strongly coloured pixels of the glyph's hue (red or green, not the button's blue
// outline): a glyph faded or grayed has none of them.
int vividPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            const int hue = pixel.hsvHue();
            const bool glyphHue = hue >= 0 && (hue < 15 || hue > 345 || std::abs(hue - 120) < 15);
            if (glyphHue && pixel.hsvSaturation() > 200 && pixel.value() > 100)
                ++count;
        }
    }
    return count;
}

struct OkCancel {
    QString dialog;
    std::shared_ptr<QDialog> owner;
    QPushButton* ok;
    QPushButton* cancel;
};

std::vector<OkCancel> everyDialog()
{
    std::vector<OkCancel> all;
    auto remind = std::make_shared<dialogs::TFrmRemind>(nullptr, dialogs::ReminderSaver{});
    all.push_back({QStringLiteral("reminder settings"), remind, remind->btnOk, remind->btnCancel});
    auto shown = std::make_shared<dialogs::TShowRemindForm>();
    all.push_back({QStringLiteral("reminder display"), shown, shown->btnOk, shown->btnCancel});
    auto options = std::make_shared<dialogs::TOptionForm>();
    all.push_back({QStringLiteral("options"), options, options->BitBtn1, options->BitBtn2});
    auto search = std::make_shared<dialogs::TFrmSearch>();
    all.push_back({QStringLiteral("search"), search, search->btnOk, search->btnCancel});
    auto category = std::make_shared<dialogs::TCategoryManage>();
    all.push_back({QStringLiteral("category"), category, category->btnOk, category->btnCancel});
    return all;
}

} // namespace

class TestDialogButtons : public QObject {
    Q_OBJECT
private slots:
    void okAndCancelOfEveryDialogArePaintedAsButtonsWithGlyphs()
    {
        for (const OkCancel& entry : everyDialog()) {
            auto* painter = entry.owner->findChild<TXPPainter*>(QStringLiteral("XPPainter1"));
            QVERIFY2(painter, qPrintable(entry.dialog));
            for (QPushButton* button : {entry.ok, entry.cancel}) {
                const QString what = entry.dialog + QLatin1Char(' ') + button->text();
                QVERIFY2(!button->icon().isNull(), qPrintable(what));
                QVERIFY2(painter->hookOf(button), qPrintable(what));
                QVERIFY2(painter->hookOf(button)->kind() == ControlKind::BitBtn, qPrintable(what));
            }
            QCOMPARE(entry.ok->icon().cacheKey() != entry.cancel->icon().cacheKey(), true);
        }
    }

    void theGlyphShowsThePaintersStates()
    {
        dialogs::TFrmRemind dialog(nullptr, {});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.memoRemind->setFocus(); // neither button has the focus
        QPushButton* cancel = dialog.btnCancel;
        const QColor cross(192, 0, 0);

        const QImage rest = shot(cancel);
        QCOMPARE(vividPixels(rest), 0); // faded at rest

        testing::pointerEnters(*cancel, QPointF(3, 3));
        const QImage hot = shot(cancel);
        QVERIFY(pixelsNear(hot, cross) > 8); // its own colour under the pointer
        testing::pointerLeaves(*cancel);
        QCOMPARE(shot(cancel), rest);

        cancel->setEnabled(false);
        const QImage disabled = shot(cancel);
        QCOMPARE(vividPixels(disabled), 0);
        QVERIFY(disabled != rest); // grayed, not only faded
    }

    void aLongerCaptionWidensItsButtonAndNothingElseMoves()
    {
        for (const OkCancel& entry : everyDialog()) {
            const QRect ok = entry.ok->geometry();
            const QRect cancel = entry.cancel->geometry();
            const QSize size = entry.owner->size();
            widgets::widenButtonsToTheirTexts(*entry.owner);
            QVERIFY2(entry.ok->geometry() == ok && entry.cancel->geometry() == cancel && entry.owner->size() == size,
                     qPrintable(entry.dialog + QStringLiteral(": the English captions fit as they are")));

            entry.cancel->setText(QStringLiteral("Abbrechen und schließen"));
            widgets::widenButtonsToTheirTexts(*entry.owner);
            const QString what = entry.dialog + QLatin1Char(' ') + entry.cancel->text();
            const int caption = entry.cancel->fontMetrics().horizontalAdvance(entry.cancel->text());
            QVERIFY2(entry.cancel->width() >= caption + entry.cancel->iconSize().width(), qPrintable(what));
            QVERIFY2(entry.cancel->geometry().left() > entry.ok->geometry().right(), qPrintable(what));
            QCOMPARE(entry.ok->geometry(), ok);
            // The margin to the window's edge stays.
            QCOMPARE(entry.owner->width() - entry.cancel->geometry().right(), size.width() - cancel.right());
        }
    }
};

QTEST_MAIN(TestDialogButtons)
#include "tst_dialog_buttons.moc"
