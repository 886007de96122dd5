#pragma once

// The screen reader Orca, run as a blind player runs it, on an XSession's display and session
// bus, with its speech written to its debug log instead of a synthesiser. What it said is read
// back from the log's "SPEECH OUTPUT: '...'" lines.

#include "x_session.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>

#include <optional>

namespace e2e {

class OrcaSpeech {
public:
    OrcaSpeech() = default;
    ~OrcaSpeech();
    OrcaSpeech(const OrcaSpeech&) = delete;
    OrcaSpeech& operator=(const OrcaSpeech&) = delete;

    // Starts Orca with preferences of its own (a fresh home) and waits until it has started.
    // The session needs its session bus. False, after printing why, when it cannot run.
    bool Start(XSession& session);
    void Stop();

    // Everything said so far, one utterance an entry, its line breaks and runs of blanks as
    // single blanks.
    QStringList Spoken();
    // Waits for an utterance after the last one found that matches; it and all before it
    // count as heard from then on. nullopt after timeoutMs.
    std::optional<QRegularExpressionMatch> WaitFor(const QRegularExpression& pattern,
                                                   int timeoutMs = 10000);
    // What was said after the last utterance found, and marks it all heard.
    QStringList TakeUnheard();
    // What was said after the last utterance found, without marking it.
    QStringList Unheard();

    QString logFile() const;
    // Keeps a copy of Orca's whole log, to read what it did and when.
    bool SaveLog(const QString& path) const;

private:
    QProcess orca_;
    QTemporaryDir home_;
    qsizetype heard_ = 0;
};

} // namespace e2e
