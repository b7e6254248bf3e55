// The input of the six interactive stages of play.
//
// Each handler waits for the first event it acts on, makes that one change to
// the records and returns; it never draws. The round loop redraws and calls it
// again while `*mode` keeps the stage's value. Escape, closing the window or a
// failed wait set both `*mode` and `*running` to -1.
#pragma once

#include <cstdint>

#include "cards/purse.h"
#include "state/display_state.h"
#include "state/modes.h"

void handleStartInput(DisplayState* display, int32_t* mode, int32_t* running);
void handleOptionInput(DisplayState* display, int32_t* mode, int32_t* running);
// The only stage where a click moves credits, and only on the press.
void handleBetInput(DisplayState* display, Purse* purse, int32_t* mode, int32_t* running);
void handleFirstHandInput(DisplayState* display, int32_t* mode, int32_t* running);
void handleResultInput(DisplayState* display, int32_t* mode, int32_t* running);
void handleGameOverInput(DisplayState* display, int32_t* mode, int32_t* running);
