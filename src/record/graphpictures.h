#pragma once

#include <QImage>
#include <QString>
#include <functional>

class QAction;
class QWidget;
class TGraff;

// Pictures of the history graphs, exactly as they are drawn.

// The graph window as it shows itself: the U1 and U2 graphs with their labels.
QImage voltageGraphsPicture(TGraff &window);

// Asks where to save the picture (suggesting baseName with the date and time
// in the working folder) and writes it as PNG; a failure is reported to the
// user, a cancelled dialog does nothing.
void savePicture(const QImage &picture, const QString &caption, const QString &baseName);
// The same for a widget drawn as SVG, which scales without steps: a plot
// for a report.
void saveSvgPicture(QWidget &view, const QString &baseName);

// The graph's right-click menu: the given save action, and a copy of the
// picture that the save would write to the clipboard.
void offerPictureMenu(QWidget *graph, QAction *save, std::function<QImage()> picture);
