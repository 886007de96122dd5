#pragma once

#include <thread>

namespace ui {

// Two slow steps of start-up that the table's first widgets wait for, begun early on threads
// of their own so they run beside the main thread's work instead of inside it. Each result is
// kept process-wide by the library that makes it, so the toolkit finds it ready later; the
// program ends up exactly as if the toolkit had made it itself, only sooner.

// Both are finished before anything that may start a process runs beside them: a child forked
// while another thread holds a lock (the sanitizers' allocator, say) can hang before its exec.

// The font configuration, read while the toolkit starts: fontconfig keeps one per process and
// builds it safely from any thread.
class FontConfigWarmUp {
public:
    FontConfigWarmUp();
    ~FontConfigWarmUp();
    FontConfigWarmUp(const FontConfigWarmUp&) = delete;
    FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

    // Waits until the configuration is read; the destructor does too.
    void Finish();

private:
    std::thread thread_;
};

// The session-bus connection, opened once the application object exists, while the table is
// being built: the accessibility bridge the first labels wake asks for it, and the toolkit
// keeps one per process. Only when the environment names the bus: without an address the
// library would start a bus itself, forking while the table is built on the main thread, so
// that attempt is left to the bridge, as before.
class SessionBusWarmUp {
public:
    SessionBusWarmUp();
    ~SessionBusWarmUp();
    SessionBusWarmUp(const SessionBusWarmUp&) = delete;
    SessionBusWarmUp& operator=(const SessionBusWarmUp&) = delete;

    // Waits for the connection to be open; the destructor does too.
    void Finish();

private:
    std::thread thread_;
};

} // namespace ui
