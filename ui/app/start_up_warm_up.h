#pragma once

#include <functional>
#include <thread>

namespace ui {

// A slow step of start-up that the table's first widgets wait for, begun early on a thread of
// its own so it runs beside the main thread's work instead of inside it. Each result is kept
// process-wide by the library that makes it, so the toolkit finds it ready later; the program
// ends up exactly as if the toolkit had made it itself, only sooner.
//
// Every warm-up is finished before anything that may start a process runs beside it: a child
// forked while another thread holds a lock (the sanitizers' allocator, say) can hang before
// its exec.
class StartUpWarmUp {
public:
    // An empty step starts no thread.
    explicit StartUpWarmUp(std::function<void()> step);
    ~StartUpWarmUp();
    StartUpWarmUp(const StartUpWarmUp&) = delete;
    StartUpWarmUp& operator=(const StartUpWarmUp&) = delete;

    // Waits until the step is done; the destructor does too.
    void Finish();

private:
    std::thread thread_;
};

// The font configuration, read while the toolkit starts: fontconfig keeps one per process and
// builds it safely from any thread.
StartUpWarmUp ReadFontConfiguration();

// The session-bus connection, opened once the application object exists, while the table is
// being built: the accessibility bridge the first labels wake asks for it, and the toolkit
// keeps one per process. Only when the environment names the bus: without an address the
// library would start a bus itself, forking while the table is built on the main thread, so
// that attempt is left to the bridge, as before.
StartUpWarmUp OpenSessionBus();

} // namespace ui
