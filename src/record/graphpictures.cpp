#include "record/graphpictures.h"

#include "measure/tgraff.h"
#include "platform/atomicwrite.h"
#include "platform/filedialog.h"
#include "platform/messages.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QWidget>

namespace {

// Translated where they are shown: the translation is chosen after start-up.
const char *const CopyText = QT_TRANSLATE_NOOP("GraphPictures", "Kopírovat");
const char *const PngFilter = QT_TRANSLATE_NOOP("GraphPictures", "Obrázky PNG (*.png)");
const char *const SvgFilter = QT_TRANSLATE_NOOP("GraphPictures", "Obrázky SVG (*.svg)");
const char *const SvgCaption = QT_TRANSLATE_NOOP("GraphPictures", "Uložit obrázek SVG");
const char *const CannotSaveText =
    QT_TRANSLATE_NOOP("GraphPictures", "Obrázek nelze uložit do souboru %1.");

QString translated(const char *text)
{
    return QCoreApplication::translate("GraphPictures", text);
}

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
    const QString path = askSaveFileName(
        {caption, suggestedPath(baseName, QStringLiteral("png")), translated(PngFilter)});
    if (!path.isEmpty() && !writePng(picture, path))
        showError(translated(CannotSaveText).arg(path));
}

void saveSvgPicture(QWidget &view, const QString &baseName)
{
    const QString path =
        askSaveFileName({translated(SvgCaption), suggestedPath(baseName, QStringLiteral("svg")),
                         translated(SvgFilter)});
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
        showError(translated(CannotSaveText).arg(path));
}

void offerPictureMenu(QWidget *graph, QAction *save, std::function<QImage()> picture)
{
    auto *copy = new QAction(translated(CopyText), graph);
    QObject::connect(copy, &QAction::triggered, graph,
                     [picture] { QGuiApplication::clipboard()->setImage(picture()); });
    graph->addAction(save);
    graph->addAction(copy);
    graph->setContextMenuPolicy(Qt::ActionsContextMenu);
}
