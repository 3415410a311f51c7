#include "app/recovery_keeper.h"

#include <QApplication>
#include <chrono>
#include <exception>
#include <memory>

#include "core/scenario_error.h"
#include "editing/editor.h"
#include "files/recovery_copy.h"

namespace sced {

namespace {
constexpr int kWaitAfterChange = 2000;  // milliseconds
// What one slice of the snapshot may hold the editor's thread.
constexpr auto kSlice = std::chrono::milliseconds(3);
}  // namespace

RecoveryKeeper::RecoveryKeeper(Editor& editor, Scenario& scenario, std::filesystem::path folder, QObject* parent)
    : QObject(parent), editor_(editor), scenario_(scenario), folder_(std::move(folder)) {
    timer_.setSingleShot(true);
    timer_.setInterval(kWaitAfterChange);
    connect(&timer_, &QTimer::timeout, this, &RecoveryKeeper::StartSnapshot);
    slices_.setSingleShot(true);
    slices_.setInterval(0);
    connect(&slices_, &QTimer::timeout, this, &RecoveryKeeper::TakeSlice);
    seenChanges_ = editor_.changes();
    thread_ = std::thread([this] { Run(); });
}

RecoveryKeeper::~RecoveryKeeper() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

void RecoveryKeeper::Follow() {
    if (!editor_.IsOpen() || !editor_.IsModified()) {
        timer_.stop();
        snapshot_.reset();
        seenChanges_ = editor_.changes();
        if (copyKept_) Post([folder = folder_] { RemoveRecoveryCopy(folder); });
        copyKept_ = false;
        return;
    }
    if (editor_.changes() != seenChanges_) {
        seenChanges_ = editor_.changes();
        timer_.start();
    } else if (!copyKept_ && !timer_.isActive()) {
        timer_.start();
    }
}

void RecoveryKeeper::StartSnapshot() {
    snapshot_.reset();
    if (!editor_.IsOpen() || !editor_.IsModified()) return;
    try {
        snapshot_ = std::make_unique<RecoverySnapshotBuilder>(scenario_);
    } catch (const ScenarioError&) {
        return;
    }
    snapshotChanges_ = editor_.changes();
    slices_.start();
}

void RecoveryKeeper::TakeSlice() {
    if (!snapshot_) return;
    // A change since the start makes the snapshot a mix: the change has
    // started the wait again, and a new snapshot follows it. A dialog open
    // may be renaming what the snapshot writes: it waits for the dialog.
    if (editor_.changes() != snapshotChanges_ || !editor_.IsModified()) {
        snapshot_.reset();
        return;
    }
    if (QApplication::activeModalWidget()) {
        slices_.start(50);
        return;
    }
    bool whole = false;
    try {
        whole = snapshot_->Step(kSlice);
    } catch (const ScenarioError&) {
        snapshot_.reset();  // a mission the writer cannot write yet; the next change tries again
        return;
    }
    if (!whole) {
        slices_.start(0);
        return;
    }
    auto snapshot = std::make_shared<RecoverySnapshot>(snapshot_->Take());
    snapshot_.reset();
    copyKept_ = true;
    Post([folder = folder_, snapshot] { WriteRecoveryCopy(folder, *snapshot); });
}

bool RecoveryKeeper::WriteNow() {
    timer_.stop();
    slices_.stop();
    snapshot_.reset();
    WaitIdle();
    if (!editor_.IsOpen() || !editor_.IsModified()) return false;
    try {
        copyKept_ = WriteRecoveryCopy(folder_, TakeRecoverySnapshot(scenario_)) || copyKept_;
        return copyKept_;
    } catch (const std::exception&) {
        return false;
    }
}

void RecoveryKeeper::Finish() {
    timer_.stop();
    slices_.stop();
    snapshot_.reset();
    WaitIdle();
    if (copyKept_) RemoveRecoveryCopy(folder_);
    copyKept_ = false;
}

void RecoveryKeeper::Post(std::function<void()> task) {
    {
        std::lock_guard lock(mutex_);
        pending_ = std::move(task);
    }
    wake_.notify_all();
}

void RecoveryKeeper::WaitIdle() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return !pending_ && !busy_; });
}

void RecoveryKeeper::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || pending_; });
        // What is posted is written before the thread ends: it is the
        // newest state of the copy.
        if (!pending_) return;
        std::function<void()> task = std::move(pending_);
        pending_ = nullptr;
        busy_ = true;
        lock.unlock();
        try {
            task();
        } catch (...) {
            // A copy that cannot be written is no reason to end the editor.
        }
        lock.lock();
        busy_ = false;
        idle_.notify_all();
    }
}

}  // namespace sced
