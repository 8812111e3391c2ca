#include "record/graphpictures.h"

#include "measure/tgraff.h"
#include "platform/atomicwrite.h"
#include "platform/filedialog.h"
#include "platform/messages.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QWidget>

namespace {

const QString CopyText = QStringLiteral("Kopírovat");
const QString PngFilter = QStringLiteral("Obrázky PNG (*.png)");
const QString SvgFilter = QStringLiteral("Obrázky SVG (*.svg)");
const QString CannotSaveText = QStringLiteral("Obrázek nelze uložit do souboru %1.");

// Through a temporary file: a failed save never leaves half a picture, nor
// spoils the picture it was to replace.
bool writePng(const QImage &picture, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QImageWriter writer(&file, "png");
    return writer.write(picture) && file.commit();
}

} // namespace

QImage voltageGraphsPicture(TGraff &window)
{
    return window.grab().toImage();
}

void savePicture(const QImage &picture, const QString &caption, const QString &baseName)
{
    const QString path =
        askSaveFileName({caption, suggestedPath(baseName, QStringLiteral("png")), PngFilter});
    if (!path.isEmpty() && !writePng(picture, path))
        showError(CannotSaveText.arg(path));
}

void saveSvgPicture(QWidget &view, const QString &baseName)
{
    const QString path =
        askSaveFileName({QStringLiteral("Uložit obrázek SVG"),
                         suggestedPath(baseName, QStringLiteral("svg")), SvgFilter});
    if (path.isEmpty())
        return;
    QSvgGenerator svg;
    QBuffer buffer;
    svg.setOutputDevice(&buffer);
    svg.setSize(view.size());
    svg.setViewBox(view.rect());
    svg.setTitle(view.window()->windowTitle());
    QPainter painter;
    if (painter.begin(&svg)) {
        view.render(&painter);
        painter.end();
    }
    if (writeFileAtomically(path, buffer.data()) != WriteOutcome::Written)
        showError(CannotSaveText.arg(path));
}

void offerPictureMenu(QWidget *graph, QAction *save, std::function<QImage()> picture)
{
    auto *copy = new QAction(CopyText, graph);
    QObject::connect(copy, &QAction::triggered, graph,
                     [picture] { QGuiApplication::clipboard()->setImage(picture()); });
    graph->addAction(save);
    graph->addAction(copy);
    graph->setContextMenuPolicy(Qt::ActionsContextMenu);
}
