#pragma once

// A private X server with the game in it, driven from outside with the tools a person would
// use to script a desktop: Xvfb for the screen, xdotool for the mouse and keys, ImageMagick's
// import for screenshots.

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <optional>

namespace e2e {

// CTest's code for a test that cannot run on this machine.
constexpr int kSkipped = 77;

class XSession {
public:
    // Makes a child started by this process end with it, also when this process is killed
    // (a test run out of time) and no destructor runs: no server or game is left behind.
    static void EndWithParent(QProcess& child);

    XSession() = default;
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    // The tools this needs that are not installed; empty when all are there.
    static QStringList MissingTools();

    // Everything a driver needs before it starts the game: the tools (and any extra ones it
    // uses), a server, and openbox on it when asked. False, after printing why, when the
    // test cannot run here; the driver then exits with kSkipped.
    bool Prepare(bool withWindowManager, const QStringList& extraTools = {});

    // Starts a server on a free display number of its own and checks that it takes
    // connections. False (with why()) on failure.
    bool StartServer();
    QString display() const { return display_; }

    // Runs a tool against the server and returns its standard output; nullopt on failure.
    std::optional<QByteArray> Run(const QString& program, const QStringList& args,
                                  int timeoutMs = 10000);
    // The whole screen as it is now.
    QImage Screenshot();

    // Finds the first window with exactly this name, waiting up to timeoutMs; with
    // onlyShown false also one that is not on the screen (yet).
    std::optional<QString> WaitForWindow(const QString& name, int timeoutMs, bool onlyShown = true);
    std::optional<QRect> Geometry(const QString& window);
    QString WindowName(const QString& window);

    void ClickAt(QPoint screenPoint);
    void Keys(const QString& keys);

    QString why() const { return why_; }

    // Starts openbox on the server and waits until it manages windows. False (with why())
    // when it cannot be started; it ends with the session.
    bool StartWindowManager();
    bool HasWindowManager() const { return wm_.state() != QProcess::NotRunning; }
    // Stops or resumes the window manager, as one busy elsewhere would be: a window mapped
    // meanwhile waits unframed and off the screen.
    bool PauseWindowManager(bool paused);
    // Tells a window it stands at this place on the screen, with its present size, as a
    // window manager does when it grants a move: a ConfigureNotify sent to the window.
    bool GrantPlacement(const QString& window, QPoint at);
    // Starts weston in a window of this server (its x11 backend), as a screen-sized Wayland
    // desktop with a plain background of kDesktopColour and no panel, and a runtime folder of
    // its own. False (with why()) when it does not come up.
    bool StartWeston();
    bool HasWeston() const { return weston_.state() != QProcess::NotRunning; }
    static constexpr QRgb kDesktopColour = 0x204060;
    // Starts a private session bus for what runs on this server, as a desktop session has
    // one: screen readers and the programs they read meet on it. Run() and Launch() hand it
    // on. False (with why()) when it cannot be started; it ends with the session.
    bool StartSessionBus();
    QString sessionBus() const { return sessionBus_; }
    // Starts a program with this server as its display, on the X11 platform; with weston
    // started, on the Wayland platform in weston.
    bool Launch(QProcess& child, const QString& program, const QStringList& args = {});
    // The window that has the keyboard focus (xdotool's id), or empty.
    QString FocusedWindow();
    // A window property as xprop prints it with -notype; empty when unset.
    QString Property(const QString& window, const QString& name);
    // The outer rectangle of a window: its geometry plus the frame a window manager put
    // round it (_NET_FRAME_EXTENTS).
    std::optional<QRect> OuterGeometry(const QString& window);
    // Asks the window manager to add or remove window states, as a task bar or a
    // keyboard binding would (a _NET_WM_STATE client message; names without the prefix,
    // e.g. MAXIMIZED_VERT, FULLSCREEN).
    bool RequestWindowState(const QString& window, bool add, const QStringList& states);
    // The colour of one screen pixel.
    QRgb PixelAt(QPoint at);

private:
    bool TryServer(int number);
    void StopServer();

    QProcess server_;
    QProcess wm_;
    QProcess weston_;
    std::optional<QTemporaryDir> westonRuntime_;
    QProcess bus_;
    QString sessionBus_;
    QString display_;
    QString why_;
};

} // namespace e2e
