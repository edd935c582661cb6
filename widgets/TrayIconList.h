#pragma once

#include <QByteArray>
#include <QIcon>
#include <QImage>
#include <QList>
#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

class QIODevice;

namespace widgets {

// Raised for data that is not an icon file, or a stream that ends too early.
class IconError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One icon, kept as the bytes of an icon file (header, directory, images) so that it is
// written back exactly as it was read.
class TIcon {
public:
    TIcon() = default;
    TIcon(const TIcon& other) : m_data(other.m_data) {}
    TIcon& operator=(const TIcon&) = delete;

    // Whether it holds an image at all.
    bool isEmpty() const { return m_data.isEmpty(); }
    const QByteArray& data() const { return m_data; }

    // Throws IconError, leaving the icon as it was, when `data` is not an icon file.
    void loadFromData(const QByteArray& data);
    void assign(const TIcon& other);
    void clear();

    QIcon toQIcon() const;
    QList<QImage> images() const;

    // An icon file holding the given images (each at most 256 pixels a side).
    static QByteArray encode(const QList<QImage>& images);
    static TIcon fromImages(const QList<QImage>& images);

    // Called after every change of the picture.
    std::function<void()> onChange;

private:
    void changed();

    QByteArray m_data;
};

// An ordered list of icons, entries possibly empty. A change to the list or to any icon in
// it fires onChange, once per update when changes are grouped with beginUpdate/endUpdate.
class TIconList {
public:
    TIconList() = default;
    ~TIconList();
    TIconList(const TIconList&) = delete;
    TIconList& operator=(const TIconList&) = delete;

    int count() const { return int(m_items.size()); }
    // Null for an empty entry; throws std::out_of_range outside the list.
    TIcon* icon(int index) const;
    // Appends an empty entry first when `index` equals count().
    void setIcon(int index, const TIcon& icon);
    int add(const TIcon& icon);
    int addResource(const QString& resourcePath); // an icon file among the program's resources
    void clear();
    void deleteAt(int index);
    void exchange(int first, int second);
    int indexOf(const TIcon* icon) const;
    void insert(int index, const TIcon& icon);
    void insertResource(int index, const QString& resourcePath);
    void move(int from, int to);

    void copyFrom(const TIconList* other); // null clears the list
    void copyFrom(const TIcon& icon);

    void beginUpdate() { ++m_updateCount; }
    void endUpdate();

    // The stored form, little-endian: the count (32-bit signed), then for each entry its size
    // (32-bit signed) and that many bytes of an icon file; a size of 0 or less is an empty
    // entry. Reading replaces the list; an entry that is no icon throws IconError.
    void readData(QIODevice& stream);
    void writeData(QIODevice& stream) const;
    // The list is stored only when it holds something.
    bool hasData() const { return count() > 0; }

    std::function<void()> onChange;

private:
    void changed();
    void checkIndex(int index) const;
    std::unique_ptr<TIcon> adopt(std::unique_ptr<TIcon> icon);

    std::vector<std::unique_ptr<TIcon>> m_items;
    int m_updateCount = 0;
};

} // namespace widgets
