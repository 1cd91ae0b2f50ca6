#include "folderlist.h"

#include <QDir>
#include <QPainter>
#include <QStyle>
#include <QStyledItemDelegate>

namespace {

constexpr int DepthRole = ClickList::KeyRole + 1;
constexpr int indentPerLevel = 8;

// Draws each entry shifted right by its depth, so the list reads as a path
// from the root down to the folders inside the current one.
class IndentDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem shifted(option);
        shifted.rect.setLeft(option.rect.left() + indent(index));
        QStyledItemDelegate::paint(painter, shifted, index);
    }
    [[nodiscard]] QSize sizeHint(const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const override {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(indent(index), 0);
    }

private:
    static int indent(const QModelIndex& index) { return indentPerLevel * index.data(DepthRole).toInt(); }
};

// The folder and every folder above it, from the root down.
QStringList chainTo(const QString& folder) {
    QStringList chain{folder};
    while (chain.first() != QDir::rootPath()) {
        const qsizetype last = chain.first().lastIndexOf(QLatin1Char('/'));
        chain.prepend(last <= 0 ? QDir::rootPath() : chain.first().left(last));
    }
    return chain;
}

QString displayName(const QString& path) {
    return path == QDir::rootPath() ? path : path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

} // namespace

FolderList::FolderList(QWidget* parent)
    : ClickList(parent) {
    setItemDelegate(new IndentDelegate(this));
}

void FolderList::setFolder(const QString& folder, const QStringList& subfolders) {
    m_path = folder;
    QStringList paths = chainTo(folder);
    const qsizetype openCount = paths.size();
    const QString prefix = folder == QDir::rootPath() ? folder : folder + QLatin1Char('/');
    for (const QString& name : subfolders)
        paths.append(prefix + name);
    QStringList names;
    names.reserve(paths.size());
    for (const QString& path : paths)
        names.append(displayName(path));
    setEntries(paths, names);
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    for (int row = 0; row < count(); ++row) {
        item(row)->setIcon(row < openCount ? open : closed);
        item(row)->setData(DepthRole, std::min<qsizetype>(row, openCount));
    }
    setCurrentKey(folder);
}

QString FolderList::highlightedPath() const {
    const QString highlighted = currentKey();
    return highlighted.isEmpty() ? m_path : highlighted;
}
