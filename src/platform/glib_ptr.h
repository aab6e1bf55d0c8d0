#pragma once

#include <glib-object.h>

#include <memory>
#include <string>
#include <utility>

namespace quillet::platform {

struct GObjectUnref {
    void operator()(gpointer object) const { g_object_unref(object); }
};

// Owns one reference to a GObject.
template <typename T>
using GObjectPtr = std::unique_ptr<T, GObjectUnref>;

// A new owning reference to `object` (which may be null).
template <typename T>
GObjectPtr<T> add_ref(T* object)
{
    return GObjectPtr<T>(object ? static_cast<T*>(g_object_ref(object)) : nullptr);
}

struct GFree {
    void operator()(gpointer memory) const { g_free(memory); }
};

// A string (or other block) that GLib hands over to be released with g_free.
using GCharPtr = std::unique_ptr<char, GFree>;

struct GBytesUnref {
    void operator()(GBytes* bytes) const { g_bytes_unref(bytes); }
};

using GBytesPtr = std::unique_ptr<GBytes, GBytesUnref>;

// Receives the GError of a call that takes a `GError**` and frees it.
class GErrorHolder {
public:
    GErrorHolder() = default;
    ~GErrorHolder() { reset(); }
    GErrorHolder(const GErrorHolder&) = delete;
    GErrorHolder& operator=(const GErrorHolder&) = delete;

    GError** out()
    {
        reset();
        return &m_error;
    }

    explicit operator bool() const { return m_error != nullptr; }
    const GError* get() const { return m_error; }
    bool matches(GQuark domain, int code) const { return g_error_matches(m_error, domain, code); }
    std::string message() const { return m_error ? m_error->message : ""; }

private:
    void reset()
    {
        if (m_error)
            g_error_free(m_error);
        m_error = nullptr;
    }

    GError* m_error = nullptr;
};

// One signal handler of a GObject; disconnected when this holder goes away. It keeps the object
// alive for that, so holders may be destroyed in any order.
class SignalConnection {
public:
    SignalConnection() = default;
    SignalConnection(gpointer instance, gulong handler_id)
        : m_instance(handler_id ? g_object_ref(instance) : nullptr)
        , m_handler_id(handler_id)
    {
    }
    ~SignalConnection() { disconnect(); }

    SignalConnection(SignalConnection&& other) noexcept
        : m_instance(std::exchange(other.m_instance, nullptr))
        , m_handler_id(std::exchange(other.m_handler_id, 0))
    {
    }
    SignalConnection& operator=(SignalConnection&& other) noexcept
    {
        if (this != &other) {
            disconnect();
            m_instance = std::exchange(other.m_instance, nullptr);
            m_handler_id = std::exchange(other.m_handler_id, 0);
        }
        return *this;
    }
    SignalConnection(const SignalConnection&) = delete;
    SignalConnection& operator=(const SignalConnection&) = delete;

    void disconnect()
    {
        if (!m_instance)
            return;
        g_signal_handler_disconnect(m_instance, m_handler_id);
        g_object_unref(m_instance);
        m_instance = nullptr;
        m_handler_id = 0;
    }

private:
    gpointer m_instance = nullptr;
    gulong m_handler_id = 0;
};

// Connects `handler` (a plain function whose last parameter is `data`) to `signal` of `instance`.
template <typename Handler>
SignalConnection connect_signal(gpointer instance, const char* signal, Handler* handler, gpointer data)
{
    return SignalConnection(instance, g_signal_connect(instance, signal, G_CALLBACK(handler), data));
}

}
