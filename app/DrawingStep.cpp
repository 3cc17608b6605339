#include "app/DrawingStep.h"

DrawingStep::DrawingStep(const QString& text, DrawingState before, DrawingState after, Apply apply)
    : QUndoCommand(text),
      mBefore(std::move(before)),
      mAfter(std::move(after)),
      mApply(std::move(apply)) {}

void DrawingStep::undo() {
    mApply(mBefore);
}

void DrawingStep::redo() {
    if (mPushed) mApply(mAfter);
    mPushed = true;
}
