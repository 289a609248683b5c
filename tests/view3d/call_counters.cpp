// Replaces the global operator new and delete, and stands in front of the C library's
// sin, cos and sincos, counting every call. Deliberately free of <cmath>, whose
// declarations of the same functions would clash with these definitions.
#include "call_counters.h"

#include <dlfcn.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<long> allocations{0};
std::atomic<long> trig_calls{0};

void* allocate(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}

void* allocateAligned(std::size_t size, std::align_val_t alignment) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    const auto align = static_cast<std::size_t>(alignment);
    const std::size_t rounded = (size + align - 1) / align * align;
    if (void* p = std::aligned_alloc(align, rounded == 0 ? align : rounded)) {
        return p;
    }
    throw std::bad_alloc();
}

// The library's own function of that name, found past this binary.
template <class Fn>
Fn next(const char* name) {
    return reinterpret_cast<Fn>(dlsym(RTLD_NEXT, name));
}

}  // namespace

void* operator new(std::size_t size) {
    return allocate(size);
}
void* operator new[](std::size_t size) {
    return allocate(size);
}
void* operator new(std::size_t size, std::align_val_t a) {
    return allocateAligned(size, a);
}
void* operator new[](std::size_t size, std::align_val_t a) {
    return allocateAligned(size, a);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return allocate(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept {
    return operator new(size, tag);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete(void* p, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}

extern "C" {

double sin(double x) {
    static const auto library = next<double (*)(double)>("sin");
    trig_calls.fetch_add(1, std::memory_order_relaxed);
    return library(x);
}

double cos(double x) {
    static const auto library = next<double (*)(double)>("cos");
    trig_calls.fetch_add(1, std::memory_order_relaxed);
    return library(x);
}

void sincos(double x, double* s, double* c) {
    static const auto library = next<void (*)(double, double*, double*)>("sincos");
    trig_calls.fetch_add(2, std::memory_order_relaxed);
    library(x, s, c);
}

}  // extern "C"

namespace tv::test {

long allocationCount() {
    return allocations.load(std::memory_order_relaxed);
}
long trigCount() {
    return trig_calls.load(std::memory_order_relaxed);
}

}  // namespace tv::test
