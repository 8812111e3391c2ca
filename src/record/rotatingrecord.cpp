#include "record/rotatingrecord.h"

#include "platform/atomicwrite.h"
#include "record/recordingnames.h"

#include <QFile>
#include <QFileInfo>

namespace {

// A dangling link counts as taken: opening it would create a file wherever
// it points.
bool nameTaken(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

QString fileNameOf(const QString &path)
{
    return QFileInfo(path).fileName();
}

} // namespace

RotatingRecord::RotatingRecord(const QString &chosenPath, const RunSettings &settings, Clock clock)
    : m_settings(settings)
    , m_clock(clock ? std::move(clock) : Clock(&QDateTime::currentDateTime))
    , m_chosenPath(chosenPath)
{
    const QDateTime now = m_clock();
    m_description.settings = m_settings;
    m_description.runStarted = now;
    m_description.started = now;
    m_description.generatorAtStart = m_settings.generator;
    m_fileDate = now.date();
    openFirst(chosenPath);
}

RotatingRecord::~RotatingRecord()
{
    m_description.ended = m_clock();
    writeSidecar();
}

void RotatingRecord::openFirst(const QString &chosenPath)
{
    if (m_settings.rotation.kind == RotationKind::None) {
        m_file = std::make_unique<RecordFile>(chosenPath);
        if (!m_file->isOpen() || !m_file->isRegularFile())
            return;
        const QString sidecar = sidecarPathOf(chosenPath);
        QFile existing(sidecar);
        if (existing.exists()) {
            // Not ours, or unreadable: left alone rather than replaced.
            const std::optional<QJsonArray> runs =
                existing.open(QIODevice::ReadOnly) ? sidecarRuns(existing.readAll()) : std::nullopt;
            if (!runs)
                return;
            m_earlierRuns = *runs;
        }
        m_sidecarPath = sidecar;
        writeSidecar();
        return;
    }
    const FreeFileName name =
        freeRotatedFileName(chosenPath, m_settings.rotation.kind, m_fileDate, 1, nameTaken);
    m_sequence = name.sequence;
    m_file = openNew(name.path);
    if (!m_file->isOpen())
        return;
    m_sidecarPath = sidecarPathOf(name.path);
    writeSidecar();
}

std::unique_ptr<RecordFile> RotatingRecord::openNew(const QString &freePath)
{
    m_unnamedFailure = freePath.isEmpty();
    // Every name taken: nothing is opened, and the chosen name stands for
    // them all in the message.
    return std::make_unique<RecordFile>(m_unnamedFailure ? QString() : freePath,
                                        RecordFile::Opening::CreateOnly);
}

bool RotatingRecord::append(const QByteArray &rows)
{
    if (!m_file->isOpen())
        return false;
    if (m_settings.rotation.kind != RotationKind::None) {
        // Only the daily rule needs the time for every reply.
        const QDateTime now =
            m_settings.rotation.kind == RotationKind::Daily ? m_clock() : QDateTime();
        const CurrentFile current{m_file->size(), m_hasRows, m_fileDate};
        if (rotationDue(m_settings.rotation, current, rows.size(), now.date())
            && !moveToNextFile(now.isValid() ? now : m_clock()))
            return false;
    }
    if (!m_file->append(rows))
        return false;
    m_hasRows = true;
    m_description.rows += rows.count('\n');
    return true;
}

bool RotatingRecord::moveToNextFile(const QDateTime &now)
{
    const QDate date = now.date();
    // A new day starts its sequence again; a new size goes on counting.
    const bool newDay = m_settings.rotation.kind == RotationKind::Daily && date != m_fileDate;
    const FreeFileName name = freeRotatedFileName(m_chosenPath, m_settings.rotation.kind, date,
                                                  newDay ? 1 : m_sequence + 1, nameTaken);
    std::unique_ptr<RecordFile> next = openNew(name.path);
    const bool opened = next->isOpen();
    m_description.ended = now;
    if (opened)
        m_description.nextFile = fileNameOf(name.path);
    writeSidecar();
    const QString previous = fileNameOf(m_file->path());
    // The old file is closed, and synchronised, before the new one is used.
    m_file = std::move(next);
    if (!opened) {
        m_sidecarPath.clear();
        return false;
    }
    m_sequence = name.sequence;
    m_fileDate = date;
    m_hasRows = false;
    m_earlierRuns = {};
    m_sidecarPath = sidecarPathOf(name.path);
    m_description.started = now;
    m_description.ended.reset();
    m_description.rows = 0;
    m_description.generatorAtStart = m_settings.generator;
    m_description.generatorChanges.clear();
    m_description.previousFile = previous;
    m_description.nextFile.clear();
    writeSidecar();
    return true;
}

void RotatingRecord::generatorChanged(const GeneratorSetting &setting)
{
    if (m_settings.generator == setting)
        return;
    m_settings.generator = setting;
    m_description.generatorChanges.push_back({m_clock(), setting});
    writeSidecar();
}

void RotatingRecord::writeSidecar()
{
    if (m_sidecarPath.isEmpty())
        return;
    writeFileAtomically(m_sidecarPath,
                        sidecarBytes(fileNameOf(m_file->path()), m_earlierRuns, m_description));
}
