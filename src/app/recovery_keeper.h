#pragma once

#include <QObject>
#include <QTimer>
#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace sced {

class Editor;
class RecoverySnapshotBuilder;
class Scenario;

// Keeps the recovery copy of the open mission while it has unsaved
// changes: written about two seconds after the last change, from a
// snapshot taken here in slices of a few milliseconds between the events
// and written on a thread of its own, so that an edit never waits for the
// copy; removed once nothing is unsaved.
class RecoveryKeeper : public QObject {
    Q_OBJECT
public:
    RecoveryKeeper(Editor& editor, Scenario& scenario, std::filesystem::path folder, QObject* parent);
    ~RecoveryKeeper() override;

    const std::filesystem::path& folder() const { return folder_; }
    // After every command: a change of an unsaved mission restarts the
    // wait; a mission with nothing unsaved (saved, closed, or undone to its
    // saved state) has no copy.
    void Follow();
    // The copy now, on this thread (the end of the editor after an error,
    // and tests); whether it was written.
    bool WriteNow();
    // The editor ends in order: no copy stays.
    void Finish();
    // The copy in the folder is the open mission's (it was restored).
    void Adopt() { copyKept_ = true; }

private:
    // Runs the newest task posted on the writer thread; an older task not
    // yet started is dropped, since the newer one replaces what it wrote.
    void Post(std::function<void()> task);
    // Waits until the writer thread has nothing to do.
    void WaitIdle();
    void Run();
    // The wait after the last change is over: a snapshot starts.
    void StartSnapshot();
    // The next slice of the snapshot, and its write once it is whole.
    void TakeSlice();

    Editor& editor_;
    Scenario& scenario_;
    std::filesystem::path folder_;
    QTimer timer_;
    QTimer slices_;
    std::unique_ptr<RecoverySnapshotBuilder> snapshot_;
    std::uint64_t snapshotChanges_ = 0;  // the mission's changes the snapshot was started at
    std::uint64_t seenChanges_ = 0;
    bool copyKept_ = false;

    std::mutex mutex_;
    std::condition_variable wake_, idle_;
    std::function<void()> pending_;
    bool busy_ = false;
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace sced
