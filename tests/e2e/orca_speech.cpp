#include "orca_speech.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QThread>

#include <cstdio>

namespace e2e {

namespace {

// Orca writes its debug log through a buffered file: what it has just said would wait there
// for more log to come. Its start-up hook makes the log flush every line.
constexpr char kFlushEveryLine[] = "import orca.debug\n"
                                   "if orca.debug.debugFile:\n"
                                   "    orca.debug.debugFile.reconfigure(line_buffering=True)\n";

// Orca's own launcher, with one change: it refuses to start while another Orca of the same
// user runs (a player's own, another test's), and its --replace would kill those. Each run
// here has a display and a session bus of its own, so they cannot meet.
constexpr char kLauncher[] = "import runpy, sys\n"
                             "script = sys.argv[1]\n"
                             "sys.argv = ['orca'] + sys.argv[2:]\n"
                             "main = runpy.run_path(script, run_name='orca_launcher')['main']\n"
                             "main.__globals__['otherOrcas'] = lambda: []\n"
                             "sys.exit(main())\n";

} // namespace

OrcaSpeech::~OrcaSpeech() {
    Stop();
}

QString OrcaSpeech::logFile() const {
    return home_.filePath(QStringLiteral("orca-debug.log"));
}

bool OrcaSpeech::Start(XSession& session) {
    if (!home_.isValid() || session.sessionBus().isEmpty()) {
        std::printf("SKIP: no private home or session bus for Orca\n");
        return false;
    }
    const QDir home(home_.path());
    for (const char* dir : {"data/orca", "config", "runtime"})
        home.mkpath(QString::fromLatin1(dir));
    QFile::setPermissions(home.filePath(QStringLiteral("runtime")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile hook(home.filePath(QStringLiteral("data/orca/orca-customizations.py")));
    if (!hook.open(QIODevice::WriteOnly) || hook.write(kFlushEveryLine) < 0)
        return false;
    hook.close();

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), session.display());
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), session.sessionBus());
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.filePath(QStringLiteral("runtime")));
    env.remove(QStringLiteral("AT_SPI_BUS_ADDRESS"));
    orca_.setProcessEnvironment(env);
    orca_.setProcessChannelMode(QProcess::SeparateChannels);
    orca_.setStandardOutputFile(QProcess::nullDevice());
    orca_.setStandardErrorFile(home.filePath(QStringLiteral("orca-stderr.log")));
    XSession::EndWithParent(orca_);
    // No speech synthesiser: what Orca would say goes only to its log.
    // Orca's script runs under the interpreter its first line names, which has its modules.
    const QString script = QStandardPaths::findExecutable(QStringLiteral("orca"));
    QFile scriptFile(script);
    QString interpreter;
    if (scriptFile.open(QIODevice::ReadOnly)) {
        const QByteArray first = scriptFile.readLine().trimmed();
        if (first.startsWith("#!"))
            interpreter = QString::fromLocal8Bit(first.mid(2)).split(u' ').first();
    }
    if (interpreter.isEmpty()) {
        std::printf("SKIP: cannot tell how to run %s\n", qPrintable(script));
        return false;
    }
    orca_.start(interpreter,
                {QStringLiteral("-c"), QString::fromLatin1(kLauncher), script, QStringLiteral("-d"),
                 QStringLiteral("speech"), QStringLiteral("--debug-file"), logFile()});
    if (!orca_.waitForStarted(5000)) {
        std::printf("SKIP: orca did not start\n");
        return false;
    }
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 30000 && orca_.state() == QProcess::Running) {
        QFile log(logFile());
        if (log.open(QIODevice::ReadOnly) && log.readAll().contains("Startup complete"))
            return true;
        QThread::msleep(100);
    }
    std::printf("FAIL: orca did not finish starting (log %s)\n", qPrintable(logFile()));
    return false;
}

void OrcaSpeech::Stop() {
    if (orca_.state() == QProcess::NotRunning)
        return;
    orca_.terminate();
    if (!orca_.waitForFinished(5000))
        orca_.kill();
    orca_.waitForFinished(1000);
}

QStringList OrcaSpeech::Spoken() {
    // 12:34:56.789012 - SPEECH OUTPUT: 'deal push button.'{'established': False}
    // 12:34:56.789012 - SPEECH OUTPUT: 'space ' {'established': False}
    // An utterance with line breaks goes on over the next lines of the log, up to the next
    // time stamp; the voice settings after it are cut off at the first quote-brace.
    static const QRegularExpression entryStart(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d\\.\\d+ - "));
    static const QRegularExpression utterance(
        QStringLiteral("SPEECH OUTPUT: '(.*?)'\\s*(\\{.*|voice=.*)?$"),
        QRegularExpression::DotMatchesEverythingOption);
    QStringList said;
    QFile log(logFile());
    if (!log.open(QIODevice::ReadOnly))
        return said;
    QString entry;
    const auto take = [&] {
        if (!entry.contains(QLatin1String("SPEECH OUTPUT: '")))
            return;
        const QRegularExpressionMatch match = utterance.match(entry);
        if (match.hasMatch())
            said << match.captured(1).simplified();
    };
    for (const QByteArray& raw : log.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw);
        if (entryStart.match(line).hasMatch()) {
            take();
            entry = line;
        } else {
            entry += u'\n' + line;
        }
    }
    take();
    return said;
}

bool OrcaSpeech::SaveLog(const QString& path) const {
    QFile::remove(path);
    return QFile::copy(logFile(), path);
}

std::optional<QRegularExpressionMatch> OrcaSpeech::WaitFor(const QRegularExpression& pattern,
                                                           int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    do {
        const QStringList said = Spoken();
        for (qsizetype i = heard_; i < said.size(); ++i) {
            QRegularExpressionMatch match = pattern.match(said[i]);
            if (match.hasMatch()) {
                heard_ = i + 1;
                return match;
            }
        }
        QThread::msleep(50);
    } while (clock.elapsed() < timeoutMs);
    return std::nullopt;
}

QStringList OrcaSpeech::Unheard() {
    return Spoken().mid(heard_);
}

QStringList OrcaSpeech::TakeUnheard() {
    const QStringList said = Spoken();
    const QStringList unheard = said.mid(heard_);
    heard_ = said.size();
    return unheard;
}

} // namespace e2e
