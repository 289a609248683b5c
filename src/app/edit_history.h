// Undo and redo of the editor's document. A command that marks the document modified
// asks for a step (noteEdit); once its handler has returned and no drag is going on, the
// document is read and, if it changed, one step holding the snapshots before and after
// is pushed on a QUndoStack. Settings that change without marking the document modified
// (noteSetting) only refresh the snapshot the next step starts from.
#pragma once

#include <QObject>
#include <QUndoStack>
#include <functional>
#include <memory>

#include "objfile/object_document.h"

namespace tv {

class EditHistory final : public QObject {
  public:
    struct Hooks {
        std::function<ObjectDocument()> read;              // the document the windows show
        std::function<void(const ObjectDocument&)> apply;  // sets the model and every control
        std::function<bool()> gesture_going_on;            // a drag not yet released
        std::function<void(bool modified)> show_modified;
    };

    // At 4096 points a snapshot is about 70 KB and neighbouring steps share theirs, so
    // the limit keeps the history below 15 MB.
    static constexpr int kUndoLimit = 200;

    EditHistory(Hooks hooks, QObject* parent);

    void noteEdit();
    void noteSetting();

    // Records what is pending, unless a drag is still going on; run at the end of a drag.
    void settle();

    // New and Open: an empty history whose start is the document as it stands, unmodified.
    void restart();

    // Save: the document as it stands is the one undo shows unmodified again.
    void markSaved();

    void undo();
    void redo();

    const QUndoStack& stack() const { return stack_; }

    // Applies a snapshot without recording it; undo and redo then show the modified
    // state the stack's clean index gives.
    void show(const ObjectDocument& document);
    ObjectDocument read() const { return hooks_.read(); }

  private:
    void schedule();
    enum class Direction { Back, Forward };
    // Undo or redo one step, once a pending change is recorded; never during a gesture.
    void travel(Direction direction);
    void record();

    Hooks hooks_;
    QUndoStack stack_;
    std::shared_ptr<const ObjectDocument> recorded_;  // the document the last step left
    bool edit_pending_ = false;
    bool setting_pending_ = false;
    bool scheduled_ = false;
    bool replaying_ = false;
};

}  // namespace tv
