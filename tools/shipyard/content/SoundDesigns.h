// SPDX-License-Identifier: MIT
// The default sounds, synthesised from tones, sweeps and a fixed-seed noise: the same samples
// on every run.
#pragma once

#include "SoundFile.h"
#include "WavWriter.h"

// The sound for `which`, mono at SoundSampleRate. The engine's loops without a click.
WavSound MakeSound(GameSound which);
