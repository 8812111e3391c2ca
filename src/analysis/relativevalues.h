#pragma once

#include "measure/replyinterpreter.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

// REL: a quantity shown, and recorded, as its difference to a reference that
// the user captured from the last value. The reference is the value in the
// base unit, so a resistance keeps it while the instrument changes its range.
class RelativeValues
{
public:
    // Remembers the latest value of the reading's quantity, for capture().
    void see(const Reading &reading);
    // Takes the latest value as the reference; false while none has come.
    bool capture(Quantity quantity);
    void release(Quantity quantity) { m_references[size_t(quantity)].reset(); }
    std::optional<double> reference(Quantity quantity) const
    {
        return m_references[size_t(quantity)];
    }

    // The difference to the reference, with its text; nothing while the
    // quantity has no reference.
    std::optional<Reading> relative(const Reading &reading) const;

private:
    std::array<std::optional<double>, AllQuantities.size()> m_latest{};
    std::array<std::optional<double>, AllQuantities.size()> m_references{};
};

// A difference as the main window shows it: the number with its sign in the
// quantity's own digit pattern, and the unit. A resistance is given in ohms,
// kilohms or megohms by its size, since the range of either end may differ.
struct RelativeText
{
    QString number;
    QString unit;
    QString whole() const { return number + unit; }
};
RelativeText relativeText(Quantity quantity, double difference);

// Puts the differences in place of the values on the labels they replace;
// a resistance's digits and suffix both change, to the difference and its
// unit.
void showDifferences(ReplyDisplay &display, const std::vector<Reading> &differences);
