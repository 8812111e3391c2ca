#pragma once

#include "link/frame.h"

#include <QString>
#include <QStringView>
#include <array>
#include <optional>
#include <vector>

// What the status bar's action panel says after a poll, as written in Czech;
// shownActionText() gives the text the panel shows. Each text is marked for
// translation where it is written (the empty u"" before it makes the marked
// literal a UTF-16 one), so that it exists in one place only.
namespace ActionText {
inline constexpr QStringView Receiving = u"" QT_TRANSLATE_NOOP("ReplyInterpreter", "Příjem");
inline constexpr QStringView Voltages = u"" QT_TRANSLATE_NOOP("ReplyInterpreter", "Příjem U1 a U2");
inline constexpr QStringView Resistance = u"" QT_TRANSLATE_NOOP("ReplyInterpreter", "Příjem R");
inline constexpr QStringView Frequency =
    u"" QT_TRANSLATE_NOOP("ReplyInterpreter", "Příjem frekvence");
inline constexpr QStringView Current = u"" QT_TRANSLATE_NOOP("ReplyInterpreter", "Příjem proudu");
} // namespace ActionText

// One of the ActionText texts in the language chosen for the run.
QString shownActionText(QStringView action);

// The quantities the instrument reports.
enum class Quantity : uint8_t { U1, U2, Resistance, Frequency, Current };
inline constexpr std::array<Quantity, 5> AllQuantities{
    Quantity::U1, Quantity::U2, Quantity::Resistance, Quantity::Frequency, Quantity::Current};

// How a quantity is named where it leaves the program as plain data (a
// recording, a script's output): "U1", "U2", "R", "f", "I", and its base unit:
// "V", "Ohm", "Hz", "A".
QStringView quantityName(Quantity quantity);
QStringView unitName(Quantity quantity);
// The quantity of such a name; nothing for any other text.
std::optional<Quantity> quantityNamed(QStringView name);

// One quantity of a reply as everyone takes it: the labels show its text, the
// recording writes its value. The value is never read back from the text.
struct Reading
{
    Quantity quantity;
    double value; // in the base unit
    QString text; // as the main window shows it (resistance: digits and suffix)
};

// What one reply to a poll changes on screen. Every unset field leaves its
// control as it was. The graph points are the raw reply bytes, whatever the
// label beside them shows.
struct ReplyDisplay
{
    std::optional<QString> u1Text;           // main window's Label1
    std::optional<int> u1Point;              // graph window's PerformanceGraph1
    std::optional<QString> u2Text;           // main window's Label
    std::optional<int> u2Point;              // graph window's PerformanceGraph2
    std::optional<QString> resistanceSuffix; // RXXX
    std::optional<QString> resistanceDigits; // RXX
    std::optional<QString> frequencyText;    // Label12
    std::optional<QString> currentText;      // Label11
    std::optional<int> currentPoint;         // main window's PerformanceGraph1
    // The action panel's text, as shown: that of the last kind of data found,
    // or "Příjem" when the reply carried nothing known.
    QString actionText = shownActionText(ActionText::Receiving);
    // Some kind of data was found: the link panel says "ONLINE".
    bool recognised = false;
    // What the reply carries, in the order U1, U2, R, f, I. A resistance whose
    // range code is unknown has no reading: its digits are shown beside the
    // suffix left from before, but without a range they make no value.
    std::vector<Reading> readings;
};

// Reads the instrument's tagged reply; this is the one place that knows what
// the bytes mean. Each tag is looked at on its own, so one reply may carry
// several kinds of data (U1 and U2, or U2 beside a resistance). The reply is
// all it needs; any bytes give a defined result.
ReplyDisplay interpretReply(const Frame &reply);
