#pragma once

// A driver's own connection to the X server, and the replies it gets there, each freed when
// it goes out of scope.

#include <QString>

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace e2e {

template <typename T> using XReply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T> XReply<T> Own(T* reply) {
    return XReply<T>(reply, &std::free);
}

class XConnection {
public:
    XConnection() = default;
    ~XConnection() { Close(); }
    XConnection(const XConnection&) = delete;
    XConnection& operator=(const XConnection&) = delete;

    // False when the server cannot be reached; an open connection stays as it is.
    bool Open(const QString& display) {
        if (connection_)
            return true;
        connection_ = xcb_connect(display.toLocal8Bit().constData(), nullptr);
        if (xcb_connection_has_error(connection_)) {
            Close();
            return false;
        }
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        return true;
    }
    void Close() {
        if (connection_)
            xcb_disconnect(connection_);
        connection_ = nullptr;
    }

    xcb_connection_t* get() const { return connection_; }
    explicit operator bool() const { return connection_ != nullptr; }
    std::uint32_t root() const { return root_; }

private:
    xcb_connection_t* connection_ = nullptr;
    std::uint32_t root_ = 0;
};

} // namespace e2e
