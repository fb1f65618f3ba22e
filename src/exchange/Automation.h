// A small automation layer: values passed to and from automation objects, the
// one interface through which an object is driven (a member id, a call kind
// and arguments), and the registry that creates objects by program id.
#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <span>
#include <variant>

using DispId = int32_t;
using HResult = int32_t;

inline constexpr HResult kSOk = 0;
inline constexpr HResult kDispEMemberNotFound = HResult(0x80020003);
inline constexpr HResult kDispEParamNotFound = HResult(0x80020004);
inline constexpr HResult kDispETypeMismatch = HResult(0x80020005);
inline constexpr HResult kDispEException = HResult(0x80020009);
inline constexpr HResult kDispEBadIndex = HResult(0x8002000B);
inline constexpr HResult kDispEBadParamCount = HResult(0x8002000E);

class IDispatchObject;
using DispatchRef = std::shared_ptr<IDispatchObject>;

// An error code carried as a value; "missing" (an optional argument not
// given) is the error kDispEParamNotFound.
struct VariantError {
    HResult hr = kDispEParamNotFound;
    bool operator==(const VariantError&) const = default;
};

struct Variant {
    std::variant<std::monostate, bool, int32_t, QString, DispatchRef, VariantError> value;

    static Variant Bool(bool b) { return {b}; }
    static Variant Int(int32_t i) { return {i}; }
    static Variant String(const QString& str) { return {str}; }
    static Variant Dispatch(DispatchRef p) { return {std::move(p)}; }
    static Variant Error(HResult hr) { return {VariantError{hr}}; }
    static Variant Missing() { return Error(kDispEParamNotFound); }

    bool IsEmpty() const { return value.index() == 0; }
    bool IsMissing() const { return Get<VariantError>() && Get<VariantError>()->hr == kDispEParamNotFound; }
    template <class T>
    const T* Get() const
    {
        return std::get_if<T>(&value);
    }
    bool operator==(const Variant&) const = default;
};

enum class CallKind { Method, PropertyGet, PropertyPut };

// The outcome of a call: a value, or a failure code with the object's own
// description of the failure (may be empty).
struct DispResult {
    HResult hr = kSOk;
    Variant value;
    QString strDescription;

    bool Failed() const { return hr < 0; }
    static DispResult Ok(Variant v = {}) { return {kSOk, std::move(v), {}}; }
    static DispResult Fail(HResult hr, const QString& description = {}) { return {hr, {}, description}; }
};

class IDispatchObject {
public:
    virtual ~IDispatchObject() = default;
    // Arguments come in the member's parameter order (first parameter first).
    virtual DispResult Invoke(DispId id, CallKind kind, std::span<const Variant> args) = 0;
};

class AutomationRegistry {
public:
    using Factory = std::function<DispatchRef()>;

    virtual ~AutomationRegistry() = default;

    void Register(const QString& progId, Factory factory) { aFactories[progId] = std::move(factory); }
    // Prepares the layer for the calling thread, once: after the first success
    // it always answers true.
    bool EnsureInitialized();
    // A new object of the program id's server; null when no server is
    // registered under it or the server could not start.
    DispatchRef CreateObject(const QString& progId) const;

protected:
    virtual bool InitializeThread() { return true; }

private:
    std::map<QString, Factory> aFactories;
    bool bInitialized = false;
};
