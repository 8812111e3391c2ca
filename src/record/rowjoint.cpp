#include "record/rowjoint.h"

QByteArray rowJoint(const QByteArray &tail)
{
    if (tail.isEmpty() || tail.endsWith('\n'))
        return {};
    // The writer doubles a quote inside a quoted field and quotes nothing
    // else, so an odd count in the cut row leaves a field open.
    const QByteArray cutRow = tail.mid(tail.lastIndexOf('\n') + 1);
    return cutRow.count('"') % 2 == 0 ? QByteArrayLiteral("\r\n") : QByteArrayLiteral("\"\r\n");
}
