#include "app/edit_history.h"

#include <QTimer>
#include <QUndoCommand>

#include "objfile/edit_snapshot.h"

namespace tv {

namespace {

// One editing step. Its first redo comes from the push, when the windows already show
// the document after it.
class DocumentStep final : public QUndoCommand {
  public:
    DocumentStep(EditHistory& history, std::shared_ptr<const ObjectDocument> before,
                 std::shared_ptr<const ObjectDocument> after)
        : history_(history), before_(std::move(before)), after_(std::move(after)) {}

    void undo() override { history_.show(replayStep(history_.read(), *after_, *before_)); }

    void redo() override {
        if (pushed_) {
            pushed_ = false;
            return;
        }
        history_.show(replayStep(history_.read(), *before_, *after_));
    }

  private:
    EditHistory& history_;
    std::shared_ptr<const ObjectDocument> before_;
    std::shared_ptr<const ObjectDocument> after_;
    bool pushed_ = true;
};

}  // namespace

EditHistory::EditHistory(Hooks hooks, QObject* parent)
    : QObject(parent), hooks_(std::move(hooks)), stack_(this) {
    stack_.setUndoLimit(kUndoLimit);
    recorded_ = std::make_shared<const ObjectDocument>(hooks_.read());
}

void EditHistory::noteEdit() {
    if (replaying_) {
        return;
    }
    edit_pending_ = true;
    schedule();
}

void EditHistory::noteSetting() {
    if (replaying_) {
        return;
    }
    setting_pending_ = true;
    schedule();
}

void EditHistory::schedule() {
    if (scheduled_) {
        return;
    }
    scheduled_ = true;
    // The handler that asked may change the document further before it returns.
    QTimer::singleShot(0, this, [this] {
        scheduled_ = false;
        settle();
    });
}

void EditHistory::settle() {
    if ((!edit_pending_ && !setting_pending_) || hooks_.gesture_going_on()) {
        return;
    }
    record();
}

void EditHistory::record() {
    auto now = std::make_shared<const ObjectDocument>(hooks_.read());
    if (edit_pending_ && changesDocument(*recorded_, *now)) {
        stack_.push(new DocumentStep(*this, recorded_, now));
    }
    recorded_ = std::move(now);
    edit_pending_ = false;
    setting_pending_ = false;
}

void EditHistory::restart() {
    edit_pending_ = false;
    setting_pending_ = false;
    stack_.clear();
    recorded_ = std::make_shared<const ObjectDocument>(hooks_.read());
}

void EditHistory::markSaved() {
    record();
    stack_.setClean();
}

void EditHistory::undo() {
    travel(Direction::Back);
}

void EditHistory::redo() {
    travel(Direction::Forward);
}

void EditHistory::travel(Direction direction) {
    if (hooks_.gesture_going_on()) {
        return;
    }
    record();
    const bool back = direction == Direction::Back;
    if (!(back ? stack_.canUndo() : stack_.canRedo())) {
        return;
    }
    if (back) {
        stack_.undo();
    } else {
        stack_.redo();
    }
    replaying_ = true;
    hooks_.show_modified(!stack_.isClean());
    replaying_ = false;
}

void EditHistory::show(const ObjectDocument& document) {
    replaying_ = true;
    hooks_.apply(document);
    recorded_ = std::make_shared<const ObjectDocument>(hooks_.read());
    replaying_ = false;
}

}  // namespace tv
