#include "dialogs/FontChooser.h"
#include "dialogs/OptionForm.h"
#include "widgets/Modal.h"

#include <QComboBox>
#include <QFontDialog>
#include <QPushButton>
#include <QTabWidget>
#include <QSignalSpy>
#include <QTest>

using dialogs::FontChooser;
using dialogs::TOptionForm;
using widgets::FontValue;

namespace {
FontValue storedFont()
{
    FontValue font = FontValue::defaultFont();
    font.size = 11;
    font.style = FontValue::Italic;
    font.color = widgets::clWindowText;
    font.charset = 238;
    return font;
}

// Answers the font chooser: 14-point bold in red, confirmed.
int chooseBoldRed(QDialog& shown)
{
    auto& chooser = dynamic_cast<FontChooser&>(shown);
    QFont font = chooser.fontPanel()->currentFont();
    font.setStyleName(QString()); // the panel names its style, which would outweigh setBold
    font.setPointSize(14);
    font.setBold(true);
    chooser.fontPanel()->setCurrentFont(font);
    chooser.setColorValue(0x0000FF);
    return QDialog::Accepted;
}
} // namespace

class TestOptionForm : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { widgets::Modal::clearQueuedAnswers(); }

    void layout()
    {
        TOptionForm form;
        QCOMPARE(form.windowTitle(), QStringLiteral("Quibbet Options"));
        QCOMPARE(form.size(), QSize(306, 194));
        QVERIFY(form.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(form.PageControl1->count(), 1);
        QCOMPARE(form.PageControl1->tabText(0), QStringLiteral("Display"));
        QCOMPARE(form.Button1->text(), QStringLiteral("Change displaying font"));
        QVERIFY(form.BitBtn1->isDefault());
    }

    void okWithoutOpeningTheChooserGivesTheFontBack()
    {
        TOptionForm form;
        FontValue font = storedFont();
        widgets::Modal::queueDialogAnswer([&](QDialog&) {
            form.BitBtn1->click();
            return form.result();
        });
        QVERIFY(dialogs::ShowOptionsDialog(form, font));
        QCOMPARE(font, storedFont());
    }

    void cancelAfterChoosingDiscardsTheChoice()
    {
        TOptionForm form;
        FontValue font = storedFont();
        FontValue edited;
        widgets::Modal::queueDialogAnswer([&](QDialog&) {
            form.Button1->click();
            edited = form.EditFont;
            form.BitBtn2->click();
            return form.result();
        });
        widgets::Modal::queueDialogAnswer(chooseBoldRed);
        QVERIFY(!dialogs::ShowOptionsDialog(form, font));
        QCOMPARE(edited.size, 14);    // the choice was made...
        QCOMPARE(font, storedFont()); // ...and thrown away
    }

    void cancellingTheChooserKeepsTheEditedFont()
    {
        TOptionForm form;
        form.EditFont = storedFont();
        widgets::Modal::queueDialogAnswer([](QDialog& shown) {
            chooseBoldRed(shown);
            return int(QDialog::Rejected);
        });
        form.Button1Click();
        QCOMPARE(form.EditFont, storedFont());
    }

    void aSystemColourComesBackUnchangedAndShowsThroughThePalette()
    {
        FontChooser chooser;
        chooser.setFontValue(storedFont());
        QCOMPARE(chooser.colorValue(), widgets::TColor(-2147483640));
        QCOMPARE(chooser.colorBox()->currentText(), QStringLiteral("Window text"));
        const QIcon icon = chooser.colorBox()->itemIcon(chooser.colorBox()->currentIndex());
        const QColor shown = icon.pixmap(16, 12).toImage().pixelColor(8, 6);
        QCOMPARE(shown, chooser.palette().color(QPalette::Active, QPalette::WindowText));
        QCOMPARE(chooser.fontValue().color, widgets::TColor(-2147483640));

        // Black is a colour of its own, stored as 0.
        chooser.colorBox()->setCurrentIndex(chooser.colorBox()->findText(QStringLiteral("Black")));
        QCOMPARE(chooser.fontValue().color, widgets::TColor(0));
        chooser.setColorValue(0x123456);
        QCOMPARE(chooser.fontValue().color, widgets::TColor(0x123456));
    }

    // Escape in the embedded font panel cancels the whole dialog, not the panel alone.
    void escapeInTheFontPanelCancelsTheChoice()
    {
        FontChooser chooser;
        chooser.show();
        QSignalSpy rejected(&chooser, &QDialog::rejected);
        QTest::keyClick(chooser.findChild<QFontDialog*>(), Qt::Key_Escape);
        QCOMPARE(rejected.count(), 1);
    }
};

QTEST_MAIN(TestOptionForm)
#include "tst_option_form.moc"
