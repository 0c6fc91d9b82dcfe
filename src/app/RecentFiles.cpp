#include "app/RecentFiles.h"

#include "app/RecentDocuments.h"

#include <QStringList>

RecentFiles::RecentFiles(StoreOpener OpenStore, RecentDocuments* Desktop)
    : m_openStore(std::move(OpenStore)), m_desktop(Desktop) {}

QString RecentFiles::valueName(int Slot) {
    return QStringLiteral("Recent%1").arg(Slot + 1);
}

void RecentFiles::AddRecentFile(const QString& FileName) {
    if (m_desktop) m_desktop->noteRecentDocument(FileName);

    const std::unique_ptr<QSettings> store = m_openStore ? m_openStore() : nullptr;
    if (!store || !store->isWritable() || store->status() != QSettings::NoError) return;

    QStringList list;
    for (int k = 0; k < Count; ++k) {
        const QVariant v = store->value(valueName(k));
        if (v.isValid()) list << v.toString();
    }
    for (int i = 0; i < list.size(); ++i) {
        if (list.at(i).compare(FileName, Qt::CaseInsensitive) == 0) {
            list.removeAt(i);
            break;
        }
    }
    list.prepend(FileName);
    while (list.size() > Count)
        list.removeLast();
    // The list never gets shorter than what was read, so no value is left over.
    for (int i = 0; i < list.size(); ++i)
        store->setValue(valueName(i), list.at(i));
    store->sync();
}

std::optional<RecentFiles::Slots> RecentFiles::read() const {
    const std::unique_ptr<QSettings> store = m_openStore ? m_openStore() : nullptr;
    if (!store || store->allKeys().isEmpty()) return std::nullopt;
    Slots stored;
    for (int k = 0; k < Count; ++k) {
        const QVariant v = store->value(valueName(k));
        if (v.isValid()) stored[std::size_t(k)] = v.toString();
    }
    return stored;
}
