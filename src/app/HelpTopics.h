#pragma once

#include <QStringList>

/// The easy manual of the European input page: the topic box's entries (0 is the table of
/// contents, 1 to 21 the questions) and the lines shown for each topic, one paragraph a line.
namespace HelpTopics {

/// The 22 entries of the topic box, in order.
const QStringList &Entries();

/// The lines of topic index; none for an index outside 0..21.
QStringList Lines(int index);

}  // namespace HelpTopics
