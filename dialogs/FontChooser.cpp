#include "dialogs/FontChooser.h"

#include "widgets/Modal.h"

#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>

namespace dialogs {

namespace {

struct NamedColor {
    const char* name;
    std::uint32_t value; // 0x00BBGGRR
};

// The sixteen colours font choosers have always offered.
const NamedColor kBasicColors[] = {
    {QT_TRANSLATE_NOOP("dialogs::FontChooser", "Black"), 0x000000},
    {QT_TRANSLATE_NOOP("dialogs::FontChooser", "Maroon"), 0x000080},
    {QT_TRANSLATE_NOOP("dialogs::FontChooser", "Green"), 0x008000},
    {QT_TRANSLATE_NOOP("dialogs::FontChooser", "Olive"), 0x008080},
    {QT_TRANSLATE_NOOP("dialogs::FontChooser", "Navy"), 0x800000},
    {QT_TRANSLATE_NOOP("dialogs::FontChooser", "Purple"), 0x800080},
    {QT_TRANSLATE_NOOP("dialogs::FontChooser", "Teal"), 0x808000},
    {QT_TRANSLATE_NOOP("dialogs::FontChooser", "Gray"), 0x808080},
    {QT_TRANSLATE_NOOP("dialogs::FontChooser", "Silver"), 0xC0C0C0},
    {QT_TRANSLATE_NOOP("dialogs::FontChooser", "Red"), 0x0000FF},
    {QT_TRANSLATE_NOOP("dialogs::FontChooser", "Lime"), 0x00FF00},
    {QT_TRANSLATE_NOOP("dialogs::FontChooser", "Yellow"), 0x00FFFF},
    {QT_TRANSLATE_NOOP("dialogs::FontChooser", "Blue"), 0xFF0000},
    {QT_TRANSLATE_NOOP("dialogs::FontChooser", "Fuchsia"), 0xFF00FF},
    {QT_TRANSLATE_NOOP("dialogs::FontChooser", "Aqua"), 0xFFFF00},
    {QT_TRANSLATE_NOOP("dialogs::FontChooser", "White"), 0xFFFFFF},
};

QString nameOf(widgets::TColor color)
{
    if (color == widgets::clWindowText)
        return FontChooser::tr("Window text");
    if (widgets::isSystemColor(color))
        return FontChooser::tr("System colour %1").arg(color & 0xFF);
    for (const NamedColor& named : kBasicColors) {
        if (widgets::TColor(named.value) == color)
            return FontChooser::tr(named.name);
    }
    const QColor rgb = widgets::toQColor(color);
    return FontChooser::tr("Custom (%1)").arg(rgb.name());
}

QIcon swatch(const QColor& color)
{
    QPixmap pixmap(16, 12);
    pixmap.fill(color);
    QPainter painter(&pixmap);
    painter.setPen(Qt::darkGray);
    painter.drawRect(0, 0, 15, 11);
    return QIcon(pixmap);
}

} // namespace

FontChooser::FontChooser(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("fontDlg"));
    setWindowTitle(tr("Font"));

    // The toolkit's font dialog, embedded as a panel so the colour can sit beside it.
    m_fontPanel = new QFontDialog(this);
    m_fontPanel->setWindowFlags(Qt::Widget);
    m_fontPanel->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    m_fontPanel->setSizeGripEnabled(false);
    // Escape in the panel would close the panel alone and leave an empty dialog: it cancels
    // the whole choice instead.
    connect(m_fontPanel, &QDialog::rejected, this, &QDialog::reject);

    m_colorBox = new QComboBox(this);
    m_colorBox->setObjectName(QStringLiteral("colorBox"));
    for (const NamedColor& named : kBasicColors)
        addColor(tr(named.name), widgets::TColor(named.value));
    m_colorBox->addItem(tr("Other...")); // carries no colour: it opens the colour dialog
    connect(m_colorBox, &QComboBox::activated, this, [this](int index) { colorActivated(index); });

    auto* colorLabel = new QLabel(tr("&Color:"), this);
    colorLabel->setBuddy(m_colorBox);
    auto* colorRow = new QHBoxLayout;
    colorRow->addWidget(colorLabel);
    colorRow->addWidget(m_colorBox, 1);
    colorRow->addStretch(2);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_fontPanel);
    layout->addLayout(colorRow);
    layout->addWidget(buttons);
}

void FontChooser::addColor(const QString& name, widgets::TColor color)
{
    // "Other..." stays last.
    const int at = otherIndex();
    const int index = at < 0 ? m_colorBox->count() : at;
    m_colorBox->insertItem(index, swatch(widgets::toQColor(color, palette())), name, color);
}

void FontChooser::setColorValue(widgets::TColor color)
{
    int index = m_colorBox->findData(color);
    if (index < 0) {
        addColor(nameOf(color), color);
        index = m_colorBox->findData(color);
    }
    m_colorBox->setCurrentIndex(index);
    m_font.color = color;
}

widgets::TColor FontChooser::colorValue() const
{
    const QVariant data = m_colorBox->currentData();
    return data.isValid() ? widgets::TColor(data.toInt()) : m_font.color;
}

int FontChooser::otherIndex() const
{
    for (int i = m_colorBox->count() - 1; i >= 0; --i) {
        if (!m_colorBox->itemData(i).isValid())
            return i;
    }
    return -1;
}

void FontChooser::colorActivated(int index)
{
    if (index != otherIndex()) {
        m_font.color = colorValue();
        return;
    }
    // Picking "Other..." opens the colour dialog; cancelling it keeps the previous colour.
    const widgets::TColor previous = m_font.color;
    QColorDialog dialog(widgets::toQColor(previous, palette()), this);
    if (widgets::Modal::exec(dialog) == QDialog::Accepted && dialog.selectedColor().isValid())
        setColorValue(widgets::fromQColor(dialog.selectedColor()));
    else
        setColorValue(previous);
    m_font.color = colorValue();
}

void FontChooser::setFontValue(const widgets::FontValue& font)
{
    m_font = font;
    m_fontPanel->setCurrentFont(font.toQFont());
    setColorValue(font.color);
}

widgets::FontValue FontChooser::fontValue() const
{
    widgets::FontValue chosen = m_font;
    chosen.setFromQFont(m_fontPanel->currentFont());
    chosen.color = colorValue();
    return chosen;
}

bool FontChooser::choose(QWidget* owner, widgets::FontValue& font)
{
    FontChooser chooser(owner);
    chooser.setFontValue(font);
    if (widgets::Modal::exec(chooser) != QDialog::Accepted)
        return false;
    font = chooser.fontValue();
    return true;
}

} // namespace dialogs
