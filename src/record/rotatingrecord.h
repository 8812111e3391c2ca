#pragma once

#include "record/recordfile.h"
#include "record/recordingdescription.h"

#include <QByteArray>
#include <QDateTime>
#include <QJsonArray>
#include <QString>
#include <functional>
#include <memory>

// A recording from its start to its end: the rows go to a RecordFile, and
// on to a new one when the rotation says so, always between two appends, so
// that every row lands whole in exactly one file. Beside each file a JSON
// sidecar (recordingdescription.h) says how the rows were taken; it is
// written whole or not at all when the file is started, when the generator
// is set, when the next file takes over and at the end.
//
// Without rotation the chosen file is continued when it exists, as a
// recording always was, and its sidecar gets this run added to the earlier
// ones. With rotation every file is new (recordingnames.h): nothing that is
// there is ever written to.
//
// The sidecar is the description, the CSV the record: a sidecar that cannot
// be written (a full disk) stops nothing, and a device or pipe gets none.
class RotatingRecord
{
public:
    using Clock = std::function<QDateTime()>;

    // Opens the first file; see isOpen(). The clock gives local time; the
    // system's when none is given.
    RotatingRecord(const QString &chosenPath, const RunSettings &settings, Clock clock = {});
    // The run ends: the last sidecar gets its end time and row count.
    ~RotatingRecord();

    RotatingRecord(const RotatingRecord &) = delete;
    RotatingRecord &operator=(const RotatingRecord &) = delete;

    bool isOpen() const { return m_file->isOpen(); }
    // The file being written, or the one that failed.
    QString path() const { return m_unnamedFailure ? m_chosenPath : m_file->path(); }

    // Whole rows, in the recording's CSV; false when they could not be
    // written, in the current file or in the next one. Nothing is written
    // after that.
    bool append(const QByteArray &rows);

    // The generator was set to something else: kept with its time.
    void generatorChanged(const GeneratorSetting &setting);

private:
    void openFirst(const QString &chosenPath);
    bool moveToNextFile(const QDateTime &now);
    std::unique_ptr<RecordFile> openNew(const QString &freePath);
    void writeSidecar();

    RunSettings m_settings;
    Clock m_clock;
    QString m_chosenPath;
    std::unique_ptr<RecordFile> m_file;
    FileDescription m_description;
    QJsonArray m_earlierRuns; // of a continued file
    QString m_sidecarPath;    // empty: none is written for this file
    QDate m_fileDate;
    int m_sequence = 0;
    bool m_hasRows = false;
    bool m_unnamedFailure = false; // no free name was found for the file
};
