#pragma once

#include "session/RecentFileList.h"

#include <QSettings>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class RecentDocuments;

// The four most recently opened or saved files, kept in the settings store as
// "Recent1" (most recent) to "Recent4", full paths. The list lives only in the
// store and is written whenever it changes.
class RecentFiles : public RecentFileList {
public:
    static constexpr int Count = 4;
    using StoreOpener = std::function<std::unique_ptr<QSettings>()>;
    // What the store holds: slot k is "Recent" + (k + 1), empty when that value
    // does not exist.
    using Slots = std::array<std::optional<QString>, Count>;

    // Desktop, when given, is told of every file added.
    explicit RecentFiles(StoreOpener OpenStore, RecentDocuments* Desktop = nullptr);

    // Puts FileName at the top: a path already listed (letter case ignored)
    // moves up instead of appearing twice, and the fifth falls off. A store
    // that cannot be written leaves the list as it was.
    void AddRecentFile(const QString& FileName) override;

    // The slots as stored; nothing when the store holds no values at all.
    std::optional<Slots> read() const;

    // The value name of slot k (0-based): "Recent1" ... "Recent4".
    static QString valueName(int Slot);

private:
    StoreOpener m_openStore;
    RecentDocuments* m_desktop;
};
