#pragma once

#include "ProgramState.h"

// One change to the image and its edit marks, kept as one undo step: it announces the cells it
// will touch, the caller changes them, and the step closes with the scope, also when the change
// stops part-way with an exception (what was changed by then stays, and can be undone).
class ImageEdit {
public:
    // A step still open (a READ that ended without closing it) is closed first, so two changes
    // never merge into one step.
    ImageEdit(ProgramState& state, int first, int count) : state_(state) {
        state.History.endStep(state.Image, state.EditMarks);
        state.History.willChange(state.Image, state.EditMarks, first, count);
    }
    ~ImageEdit() { state_.History.endStep(state_.Image, state_.EditMarks); }
    ImageEdit(const ImageEdit&) = delete;
    ImageEdit& operator=(const ImageEdit&) = delete;

private:
    ProgramState& state_;
};
