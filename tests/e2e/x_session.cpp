#include "x_session.h"

#include "x_connection.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcessEnvironment>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

#include <csignal>
#include <sys/prctl.h>
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace e2e {

XSession::~XSession() {
    StopServer();
}

void XSession::EndWithParent(QProcess& child) {
    child.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
}

QStringList XSession::MissingTools() {
    QStringList missing;
    for (const char* tool : {"Xvfb", "xdotool", "import"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            missing << QString::fromLatin1(tool);
    }
    return missing;
}

bool XSession::Prepare(bool withWindowManager, const QStringList& extraTools) {
    QStringList missing = MissingTools();
    for (const QString& tool : extraTools) {
        if (QStandardPaths::findExecutable(tool).isEmpty())
            missing << tool;
    }
    if (!missing.isEmpty()) {
        std::printf("SKIP: needs %s\n", qPrintable(missing.join(QStringLiteral(", "))));
        return false;
    }
    if (!StartServer()) {
        std::printf("SKIP: cannot start a virtual X server: %s\n", qPrintable(why()));
        return false;
    }
    if (withWindowManager && !StartWindowManager()) {
        std::printf("SKIP: %s\n", qPrintable(why()));
        return false;
    }
    return true;
}

bool XSession::StartServer() {
    // A display number of our own, drawn from high up: servers started with -displayfd scan
    // upwards from :0, and one probing a number in use deletes that server's socket file
    // before it finds out, so the low numbers are where parallel runs trip over each other.
    // The server still reports on -displayfd once it takes connections. A number already
    // taken makes it exit at once; then another is tried.
    constexpr int kAttempts = 8;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const int number = QRandomGenerator::global()->bounded(2000, 59000);
        if (TryServer(number))
            return true;
    }
    return false;
}

bool XSession::TryServer(int number) {
    StopServer();
    server_.setProgram(QStringLiteral("Xvfb"));
    EndWithParent(server_);
    // -noreset: by default the server resets when its last client leaves, and a client
    // still in its handshake at that moment is dropped. The xdotool probes come and go many
    // times a second while the game starts, so without it the game now and then could not
    // connect at all.
    server_.setArguments({QStringLiteral(":%1").arg(number), QStringLiteral("-displayfd"),
                          QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
                          QStringLiteral("1024x768x24"), QStringLiteral("-nolisten"),
                          QStringLiteral("tcp"), QStringLiteral("-noreset")});
    server_.setProcessChannelMode(QProcess::SeparateChannels);
    server_.start();
    if (!server_.waitForStarted(5000)) {
        why_ = QStringLiteral("Xvfb did not start");
        return false;
    }
    QByteArray ready;
    QElapsedTimer clock;
    clock.start();
    while (!ready.contains('\n') && clock.elapsed() < 10000) {
        server_.waitForReadyRead(200);
        ready += server_.readAllStandardOutput();
        if (server_.state() == QProcess::NotRunning)
            break;
    }
    if (!ready.contains('\n') || ready.trimmed() != QByteArray::number(number)) {
        why_ = QStringLiteral("Xvfb :%1 did not come up: ").arg(number) +
               QString::fromLocal8Bit(server_.readAllStandardError()).trimmed();
        StopServer();
        return false;
    }
    display_ = QStringLiteral(":%1").arg(number);
    // A client must get through before the game is started on it.
    if (!Run(QStringLiteral("xdotool"), {QStringLiteral("getdisplaygeometry")})) {
        why_ = QStringLiteral("Xvfb %1 takes no connections").arg(display_);
        StopServer();
        return false;
    }
    return true;
}

namespace {

// Asks a helper process to end, then ends it.
void Stop(QProcess& process) {
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(3000))
        process.kill();
    process.waitForFinished(1000);
}

} // namespace

void XSession::StopServer() {
    Stop(weston_);
    Stop(bus_);
    sessionBus_.clear();
    Stop(wm_);
    Stop(server_);
}

std::optional<QByteArray> XSession::Run(const QString& program, const QStringList& args,
                                        int timeoutMs) {
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display_);
    if (!sessionBus_.isEmpty())
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), sessionBus_);
    tool.setProcessEnvironment(env);
    tool.start(program, args);
    if (!tool.waitForFinished(timeoutMs) || tool.exitStatus() != QProcess::NormalExit ||
        tool.exitCode() != 0) {
        tool.kill();
        tool.waitForFinished(1000);
        return std::nullopt;
    }
    return tool.readAllStandardOutput();
}

QImage XSession::Screenshot() {
    const auto png =
        Run(QStringLiteral("import"),
            {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("png:-")});
    QImage image;
    if (png)
        image.loadFromData(*png, "PNG");
    return image.convertToFormat(QImage::Format_RGB32);
}

std::optional<QString> XSession::WaitForWindow(const QString& name, int timeoutMs, bool onlyShown) {
    QElapsedTimer clock;
    clock.start();
    const QString pattern =
        QStringLiteral("^") + QRegularExpression::escape(name) + QStringLiteral("$");
    QStringList args{QStringLiteral("search")};
    if (onlyShown)
        args << QStringLiteral("--onlyvisible");
    args << QStringLiteral("--name") << pattern;
    while (clock.elapsed() < timeoutMs) {
        const auto found = Run(QStringLiteral("xdotool"), args);
        if (found && !found->trimmed().isEmpty())
            return QString::fromLatin1(found->trimmed().split('\n').first());
        QThread::msleep(50);
    }
    return std::nullopt;
}

std::optional<QRect> XSession::Geometry(const QString& window) {
    const auto shell = Run(QStringLiteral("xdotool"), {QStringLiteral("getwindowgeometry"),
                                                       QStringLiteral("--shell"), window});
    if (!shell)
        return std::nullopt;
    int x = 0, y = 0, w = 0, h = 0;
    for (const QByteArray& line : shell->split('\n')) {
        const QList<QByteArray> kv = line.split('=');
        if (kv.size() != 2)
            continue;
        const int value = kv[1].trimmed().toInt();
        if (kv[0] == "X")
            x = value;
        else if (kv[0] == "Y")
            y = value;
        else if (kv[0] == "WIDTH")
            w = value;
        else if (kv[0] == "HEIGHT")
            h = value;
    }
    return QRect(x, y, w, h);
}

QString XSession::WindowName(const QString& window) {
    const auto name = Run(QStringLiteral("xdotool"), {QStringLiteral("getwindowname"), window});
    return name ? QString::fromUtf8(name->trimmed()) : QString();
}

void XSession::ClickAt(QPoint at) {
    // No --sync: it waits for the pointer to move and so never returns when the pointer is
    // already there (a second click on the deck). The server handles the warp before the
    // button events of the same connection in any case.
    Run(QStringLiteral("xdotool"),
        {QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
         QStringLiteral("click"), QStringLiteral("1")});
}

void XSession::Keys(const QString& keys) {
    Run(QStringLiteral("xdotool"), {QStringLiteral("key"), keys});
}

bool XSession::StartWindowManager() {
    wm_.setProgram(QStringLiteral("openbox"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display_);
    wm_.setProcessEnvironment(env);
    wm_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    EndWithParent(wm_);
    wm_.start();
    if (!wm_.waitForStarted(5000)) {
        why_ = QStringLiteral("openbox did not start");
        return false;
    }
    // A window manager that is ready names itself on the root window.
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 10000 && wm_.state() == QProcess::Running) {
        if (Property(QStringLiteral("root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK"))
                .contains(QLatin1String("0x")))
            return true;
        QThread::msleep(50);
    }
    why_ = QStringLiteral("openbox did not take over the display");
    return false;
}

bool XSession::StartWeston() {
    westonRuntime_.emplace();
    if (!westonRuntime_->isValid()) {
        why_ = QStringLiteral("no runtime folder for weston");
        return false;
    }
    const QString dir = westonRuntime_->path();
    QFile::setPermissions(dir,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QFile config(dir + QStringLiteral("/weston.ini"));
    if (!config.open(QIODevice::WriteOnly)) {
        why_ = QStringLiteral("cannot write weston.ini");
        return false;
    }
    // No panel and no idle blanking. (An input method that exits at once, to keep the
    // on-screen keyboard away, leaves weston's desktop unpainted now and then.)
    config.write(QStringLiteral("[core]\nidle-time=0\n[shell]\npanel-position=none\n"
                                "background-color=0xff%1\n")
                     .arg(kDesktopColour, 6, 16, QLatin1Char('0'))
                     .toLatin1());
    config.close();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display_);
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir);
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    weston_.setProcessEnvironment(env);
    weston_.setStandardOutputFile(QProcess::nullDevice());
    weston_.setStandardErrorFile(dir + QStringLiteral("/weston.log"));
    EndWithParent(weston_);
    weston_.start(QStringLiteral("weston"),
                  {QStringLiteral("--backend=x11-backend.so"), QStringLiteral("--width=1024"),
                   QStringLiteral("--height=768"), QStringLiteral("--socket=wayland-e2e"),
                   QStringLiteral("--config=") + config.fileName()});
    if (!weston_.waitForStarted(5000)) {
        why_ = QStringLiteral("weston did not start");
        return false;
    }
    // Ready once its socket is there and its desktop is painted on this server's screen.
    QElapsedTimer clock;
    clock.start();
    // Now and then weston's first picture of the desktop never reaches its window; the next
    // one, made when anything on the desktop changes, does. A pointer moving in a corner is
    // such a change.
    for (int nudge = 0; clock.elapsed() < 15000 && weston_.state() == QProcess::Running; ++nudge) {
        if (QFile::exists(dir + QStringLiteral("/wayland-e2e")) &&
            (PixelAt(QPoint(5, 5)) & 0xFFFFFF) == kDesktopColour)
            return true;
        Run(QStringLiteral("xdotool"),
            {QStringLiteral("mousemove"), QString::number(1020 - nudge % 2 * 10),
             QStringLiteral("764")});
        QThread::msleep(100);
    }
    QFile log(dir + QStringLiteral("/weston.log"));
    log.open(QIODevice::ReadOnly);
    why_ = QStringLiteral("weston did not come up (screen at 5,5: %1); its log:\n%2")
               .arg(PixelAt(QPoint(5, 5)), 6, 16, QLatin1Char('0'))
               .arg(QString::fromLocal8Bit(log.readAll().right(3000)));
    return false;
}

bool XSession::StartSessionBus() {
    bus_.setProgram(QStringLiteral("dbus-daemon"));
    bus_.setArguments({QStringLiteral("--session"), QStringLiteral("--nofork"),
                       QStringLiteral("--print-address=1"),
                       QStringLiteral("--address=unix:tmpdir=/tmp")});
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display_);
    bus_.setProcessEnvironment(env);
    bus_.setProcessChannelMode(QProcess::SeparateChannels);
    EndWithParent(bus_);
    bus_.start();
    if (!bus_.waitForStarted(5000)) {
        why_ = QStringLiteral("dbus-daemon did not start");
        return false;
    }
    QByteArray address;
    QElapsedTimer clock;
    clock.start();
    while (!address.contains('\n') && clock.elapsed() < 10000 &&
           bus_.state() == QProcess::Running) {
        bus_.waitForReadyRead(200);
        address += bus_.readAllStandardOutput();
    }
    if (!address.contains('\n')) {
        why_ = QStringLiteral("dbus-daemon gave no address: ") +
               QString::fromLocal8Bit(bus_.readAllStandardError()).trimmed();
        return false;
    }
    sessionBus_ = QString::fromLatin1(address.trimmed());
    return true;
}

bool XSession::Launch(QProcess& child, const QString& program, const QStringList& args) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display_);
    if (!sessionBus_.isEmpty())
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), sessionBus_);
    if (HasWeston()) {
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
        env.insert(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("wayland-e2e"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), westonRuntime_->path());
        // Without an input context the game asks for no text input, and weston shows no
        // on-screen keyboard over the boxes.
        env.insert(QStringLiteral("QT_IM_MODULE"), QStringLiteral("none"));
    } else {
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    }
    // In a sanitizer build the leak report at exit would turn the exit code; the system
    // libraries the toolkit loads keep allocations of their own to the end.
    env.insert(QStringLiteral("ASAN_OPTIONS"),
               env.value(QStringLiteral("ASAN_OPTIONS")) + QStringLiteral(":detect_leaks=0"));
    child.setProcessEnvironment(env);
    EndWithParent(child);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(program, args);
    return child.waitForStarted(5000);
}

QString XSession::FocusedWindow() {
    const auto id = Run(QStringLiteral("xdotool"), {QStringLiteral("getwindowfocus")});
    return id ? QString::fromLatin1(id->trimmed()) : QString();
}

QString XSession::Property(const QString& window, const QString& name) {
    QStringList args{QStringLiteral("-notype")};
    if (window == QLatin1String("root"))
        args << QStringLiteral("-root");
    else
        args << QStringLiteral("-id") << window;
    args << name;
    const auto out = Run(QStringLiteral("xprop"), args);
    if (!out || out->contains("not found") || out->contains("no such atom"))
        return {};
    return QString::fromLatin1(*out);
}

std::optional<QRect> XSession::OuterGeometry(const QString& window) {
    // xwininfo, not xdotool: for a window in a window manager's frame xdotool adds the
    // window's offset in the frame to its position once more.
    const auto info = Run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), window});
    if (!info)
        return std::nullopt;
    std::optional<QRect> inner = QRect();
    const auto field = [&](const char* name) {
        const qsizetype at = info->indexOf(name);
        return at < 0 ? 0 : info->mid(at + qstrlen(name)).trimmed().split('\n').first().toInt();
    };
    inner = QRect(field("Absolute upper-left X:"), field("Absolute upper-left Y:"), field("Width:"),
                  field("Height:"));
    // "_NET_FRAME_EXTENTS = 1, 1, 21, 1": left, right, top, bottom.
    const QString extents = Property(window, QStringLiteral("_NET_FRAME_EXTENTS"));
    const qsizetype eq = extents.indexOf(u'=');
    if (eq < 0)
        return inner;
    const QStringList parts = extents.mid(eq + 1).split(u',');
    if (parts.size() != 4)
        return inner;
    return inner->adjusted(-parts[0].trimmed().toInt(), -parts[2].trimmed().toInt(),
                           parts[1].trimmed().toInt(), parts[3].trimmed().toInt());
}

bool XSession::RequestWindowState(const QString& window, bool add, const QStringList& states) {
    xcb_connection_t* c = xcb_connect(display_.toLatin1().constData(), nullptr);
    if (xcb_connection_has_error(c) != 0) {
        xcb_disconnect(c);
        return false;
    }
    const auto atom = [c](const QString& name) {
        const QByteArray n = name.toLatin1();
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            c, xcb_intern_atom(c, 0, static_cast<uint16_t>(n.size()), n.constData()), nullptr);
        const xcb_atom_t a = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
        std::free(reply);
        return a;
    };
    xcb_client_message_event_t message;
    std::memset(&message, 0, sizeof message);
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window.toUInt();
    message.type = atom(QStringLiteral("_NET_WM_STATE"));
    message.data.data32[0] = add ? 1 : 0;
    for (int i = 0; i < states.size() && i < 2; ++i)
        message.data.data32[1 + i] = atom(QStringLiteral("_NET_WM_STATE_") + states[i]);
    message.data.data32[3] = 2; // from a pager or task bar: the user asked
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    xcb_send_event(c, 0, screen->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    const bool sent = xcb_flush(c) > 0;
    xcb_disconnect(c);
    return sent;
}

bool XSession::PauseWindowManager(bool paused) {
    const qint64 pid = wm_.processId();
    return pid > 0 && ::kill(static_cast<pid_t>(pid), paused ? SIGSTOP : SIGCONT) == 0;
}

bool XSession::GrantPlacement(const QString& window, QPoint at) {
    XConnection x;
    if (!x.Open(display_))
        return false;
    xcb_connection_t* c = x.get();
    const xcb_window_t id = window.toUInt();
    const auto geometry = Own(xcb_get_geometry_reply(c, xcb_get_geometry(c, id), nullptr));
    if (!geometry)
        return false;
    xcb_configure_notify_event_t notify;
    std::memset(&notify, 0, sizeof notify);
    notify.response_type = XCB_CONFIGURE_NOTIFY;
    notify.event = id;
    notify.window = id;
    notify.x = static_cast<int16_t>(at.x());
    notify.y = static_cast<int16_t>(at.y());
    notify.width = geometry->width;
    notify.height = geometry->height;
    xcb_send_event(c, 0, id, XCB_EVENT_MASK_STRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&notify));
    return xcb_flush(c) > 0;
}

QRgb XSession::PixelAt(QPoint at) {
    const QImage screen = Screenshot();
    return screen.rect().contains(at) ? screen.pixel(at) & 0xFFFFFF : 0;
}

} // namespace e2e
