#include "widgets/TrayIconList.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPixmap>
#include <QtEndian>

namespace widgets {

namespace {

constexpr int kHeaderSize = 6;
constexpr int kDirectoryEntrySize = 16;

quint16 read16(const QByteArray& data, int at)
{
    return qFromLittleEndian<quint16>(data.constData() + at);
}
quint32 read32(const QByteArray& data, int at)
{
    return qFromLittleEndian<quint32>(data.constData() + at);
}

// The header and directory must describe images that lie inside the data.
bool isIconFile(const QByteArray& data)
{
    if (data.size() < kHeaderSize || read16(data, 0) != 0 || read16(data, 2) != 1)
        return false;
    const int count = read16(data, 4);
    if (count == 0 || data.size() < kHeaderSize + count * kDirectoryEntrySize)
        return false;
    for (int entry = 0; entry < count; ++entry) {
        const int at = kHeaderSize + entry * kDirectoryEntrySize;
        const quint64 size = read32(data, at + 8);
        const quint64 offset = read32(data, at + 12);
        if (size == 0 || offset < quint64(kHeaderSize + count * kDirectoryEntrySize) ||
            offset + size > quint64(data.size()))
            return false;
    }
    return true;
}

void appendLittleEndian32(QByteArray& out, qint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

qint32 readStream32(QIODevice& stream)
{
    char bytes[4];
    if (stream.read(bytes, 4) != 4)
        throw IconError("Icon list data ends too early");
    return qFromLittleEndian<qint32>(bytes);
}

} // namespace

// --- TIcon -------------------------------------------------------------------------------

void TIcon::loadFromData(const QByteArray& data)
{
    if (!isIconFile(data))
        throw IconError("Icon image is not valid");
    m_data = data;
    changed();
}

void TIcon::assign(const TIcon& other)
{
    if (&other == this)
        return;
    m_data = other.m_data;
    changed();
}

void TIcon::clear()
{
    m_data.clear();
    changed();
}

void TIcon::changed()
{
    if (onChange)
        onChange();
}

QList<QImage> TIcon::images() const
{
    QList<QImage> result;
    if (m_data.isEmpty())
        return result;
    QByteArray copy = m_data;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ico");
    for (int index = 0; index < reader.imageCount(); ++index) {
        if (!reader.jumpToImage(index))
            break;
        const QImage image = reader.read();
        if (!image.isNull())
            result.append(image);
    }
    return result;
}

QIcon TIcon::toQIcon() const
{
    QIcon icon;
    for (const QImage& image : images())
        icon.addPixmap(QPixmap::fromImage(image));
    return icon;
}

QByteArray TIcon::encode(const QList<QImage>& images)
{
    // Each image goes in as PNG, which the icon format allows for every size.
    QList<QByteArray> encoded;
    for (const QImage& image : images) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG");
        encoded.append(png);
    }
    QByteArray out;
    const auto put16 = [&out](quint16 value) {
        char bytes[2];
        qToLittleEndian(value, bytes);
        out.append(bytes, 2);
    };
    put16(0);
    put16(1);
    put16(quint16(images.size()));
    qint32 offset = kHeaderSize + kDirectoryEntrySize * int(images.size());
    for (int i = 0; i < images.size(); ++i) {
        const QImage& image = images.at(i);
        out.append(char(image.width() >= 256 ? 0 : image.width()));
        out.append(char(image.height() >= 256 ? 0 : image.height()));
        out.append(char(0)); // no palette
        out.append(char(0));
        put16(1);  // planes
        put16(32); // bits per pixel
        appendLittleEndian32(out, qint32(encoded.at(i).size()));
        appendLittleEndian32(out, offset);
        offset += qint32(encoded.at(i).size());
    }
    for (const QByteArray& png : encoded)
        out.append(png);
    return out;
}

TIcon TIcon::fromImages(const QList<QImage>& images)
{
    TIcon icon;
    if (!images.isEmpty())
        icon.loadFromData(encode(images));
    return icon;
}

// --- TIconList ---------------------------------------------------------------------------

TIconList::~TIconList()
{
    onChange = nullptr;
    clear();
}

void TIconList::changed()
{
    if (m_updateCount == 0 && onChange)
        onChange();
}

void TIconList::endUpdate()
{
    if (m_updateCount > 0 && --m_updateCount == 0)
        changed();
}

void TIconList::checkIndex(int index) const
{
    if (index < 0 || index >= count())
        throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
}

std::unique_ptr<TIcon> TIconList::adopt(std::unique_ptr<TIcon> icon)
{
    icon->onChange = [this] { changed(); };
    return icon;
}

TIcon* TIconList::icon(int index) const
{
    checkIndex(index);
    return m_items[size_t(index)].get();
}

void TIconList::setIcon(int index, const TIcon& icon)
{
    beginUpdate();
    try {
        if (index == count())
            m_items.push_back(adopt(std::make_unique<TIcon>()));
        checkIndex(index);
        if (!m_items[size_t(index)])
            m_items[size_t(index)] = adopt(std::make_unique<TIcon>());
        m_items[size_t(index)]->assign(icon);
    } catch (...) {
        endUpdate();
        throw;
    }
    endUpdate();
}

int TIconList::add(const TIcon& icon)
{
    m_items.push_back(adopt(std::make_unique<TIcon>(icon)));
    changed();
    return count() - 1;
}

int TIconList::addResource(const QString& resourcePath)
{
    insertResource(count(), resourcePath);
    return count() - 1;
}

void TIconList::insertResource(int index, const QString& resourcePath)
{
    QFile file(resourcePath);
    if (!file.open(QIODevice::ReadOnly))
        throw IconError("Icon resource not found: " + resourcePath.toStdString());
    TIcon icon;
    icon.loadFromData(file.readAll());
    insert(index, icon);
}

void TIconList::clear()
{
    beginUpdate();
    while (count() > 0)
        deleteAt(count() - 1);
    endUpdate();
}

void TIconList::deleteAt(int index)
{
    checkIndex(index);
    if (TIcon* icon = m_items[size_t(index)].get())
        icon->onChange = nullptr;
    m_items.erase(m_items.begin() + index);
    changed();
}

void TIconList::exchange(int first, int second)
{
    checkIndex(first);
    checkIndex(second);
    std::swap(m_items[size_t(first)], m_items[size_t(second)]);
    changed();
}

int TIconList::indexOf(const TIcon* icon) const
{
    for (int i = 0; i < count(); ++i) {
        if (m_items[size_t(i)].get() == icon)
            return i;
    }
    return -1;
}

void TIconList::insert(int index, const TIcon& icon)
{
    if (index < 0 || index > count())
        checkIndex(index);
    m_items.insert(m_items.begin() + index, adopt(std::make_unique<TIcon>(icon)));
    changed();
}

void TIconList::move(int from, int to)
{
    checkIndex(from);
    checkIndex(to);
    std::unique_ptr<TIcon> item = std::move(m_items[size_t(from)]);
    m_items.erase(m_items.begin() + from);
    m_items.insert(m_items.begin() + to, std::move(item));
    changed();
}

void TIconList::copyFrom(const TIconList* other)
{
    beginUpdate();
    clear();
    if (other) {
        for (const auto& item : other->m_items)
            m_items.push_back(item ? adopt(std::make_unique<TIcon>(*item)) : nullptr);
        changed();
    }
    endUpdate();
}

void TIconList::copyFrom(const TIcon& icon)
{
    beginUpdate();
    clear();
    add(icon);
    endUpdate();
}

void TIconList::readData(QIODevice& stream)
{
    beginUpdate();
    try {
        clear();
        const qint32 entries = readStream32(stream);
        for (qint32 i = 0; i < entries; ++i) {
            const qint32 size = readStream32(stream);
            if (size <= 0) {
                m_items.push_back(nullptr);
                continue;
            }
            const QByteArray bytes = stream.read(size);
            if (bytes.size() != size)
                throw IconError("Icon list data ends too early");
            auto icon = std::make_unique<TIcon>();
            icon->loadFromData(bytes);
            m_items.push_back(adopt(std::move(icon)));
        }
    } catch (...) {
        endUpdate();
        throw;
    }
    endUpdate();
}

void TIconList::writeData(QIODevice& stream) const
{
    QByteArray out;
    appendLittleEndian32(out, qint32(count()));
    for (const auto& item : m_items) {
        if (!item || item->isEmpty()) {
            appendLittleEndian32(out, 0);
            continue;
        }
        appendLittleEndian32(out, qint32(item->data().size()));
        out.append(item->data());
    }
    stream.write(out);
}

} // namespace widgets
