#pragma once

#include "analysis/limitmonitor.h"
#include "measure/replyinterpreter.h"

#include <QString>
#include <array>

class ProfileFile;

// The limits of the five quantities and what a violation does, as the
// settings file's section [MEZE] keeps them.
struct LimitSettings
{
    std::array<QuantityLimits, AllQuantities.size()> limits{};
    bool beep = true;
    bool triggeredRecording = false;
    int preTriggerSeconds = 10;
    int postTriggerSeconds = 10;
    QString recordingPath;

    QuantityLimits &of(Quantity quantity) { return limits[size_t(quantity)]; }
    const QuantityLimits &of(Quantity quantity) const { return limits[size_t(quantity)]; }
    bool anyLimitSet() const;
    // What is wrong with the settings, in a sentence for the user; empty when
    // they can be used.
    QString validate() const;

    bool operator==(const LimitSettings &) const = default;
};

// Never fails. An empty or malformed limit is no limit, and the limits of a
// quantity that contradict each other (see validate()) are none either; any
// other malformed value takes its default.
LimitSettings readLimitSettings(const ProfileFile &file);

// All keys in one update, and only when a value changed, so hand-written
// numbers keep their form. While no limit is set, a file without the section
// gets none. A refused write throws, as ProfileFile::writeStrings does.
void writeLimitSettings(ProfileFile &file, const LimitSettings &settings);
