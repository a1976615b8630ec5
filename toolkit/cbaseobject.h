#pragma once
// Reference-counted base of every toolkit object (views, bitmaps, fonts, contexts).
//
// An object starts with one reference, owned by whoever created it. `remember` adds a
// reference, `forget` drops one and destroys the object with the last. A container
// that is handed a view takes over the creator's reference; a control that is handed
// a bitmap takes one of its own, so the creator forgets its bitmap at once.

#include <cstdint>
#include <cstring>
#include <utility>

namespace VSTGUI {

using CCoord = double;
using IdStringPtr = const char*;
using UTF8StringPtr = const char*;

enum CMessageResult { kMessageUnknown = 0, kMessageNotified = 1 };

class CBaseObject {
 public:
  CBaseObject() = default;
  // A copy is a new object: it starts with its own single reference.
  CBaseObject(const CBaseObject&) {}
  CBaseObject& operator=(const CBaseObject&) { return *this; }
  virtual ~CBaseObject() = default;

  virtual void remember() { ++references_; }
  virtual void forget() {
    if (--references_ == 0) delete this;
  }
  int32_t getNbReference() const { return references_; }

  // Class identity by name: true for the object's own class name and every base's.
  virtual bool isTypeOf(IdStringPtr name) const { return std::strcmp(name, "CBaseObject") == 0; }
  virtual IdStringPtr getClassName() const { return "CBaseObject"; }
  // A new object equal to this one, or nullptr for classes that cannot be copied.
  virtual CBaseObject* newCopy() const { return nullptr; }

  // Messages between objects (timers use it).
  virtual CMessageResult notify(CBaseObject* /*sender*/, IdStringPtr /*message*/) {
    return kMessageUnknown;
  }

 private:
  int32_t references_ = 1;
};

// Keeps an object alive for a scope, e.g. while a view handles an event that may remove it.
class CBaseObjectGuard {
 public:
  explicit CBaseObjectGuard(CBaseObject* object) : object_(object) {
    if (object_) object_->remember();
  }
  ~CBaseObjectGuard() {
    if (object_) object_->forget();
  }
  CBaseObjectGuard(const CBaseObjectGuard&) = delete;
  CBaseObjectGuard& operator=(const CBaseObjectGuard&) = delete;

 private:
  CBaseObject* object_;
};

// Owning pointer over the reference count. `owned` adopts a fresh object's reference;
// constructing from a raw pointer takes a reference of its own.
template <typename T>
class SharedPointer {
 public:
  SharedPointer() = default;
  SharedPointer(T* object) : object_(object) {  // NOLINT: implicit like a raw pointer
    if (object_) object_->remember();
  }
  SharedPointer(const SharedPointer& other) : SharedPointer(other.object_) {}
  SharedPointer(SharedPointer&& other) noexcept : object_(other.object_) {
    other.object_ = nullptr;
  }
  template <typename U>
  SharedPointer(const SharedPointer<U>& other) : SharedPointer(other.get()) {}
  ~SharedPointer() { reset(); }

  SharedPointer& operator=(const SharedPointer& other) {
    SharedPointer copy(other);
    swap(copy);
    return *this;
  }
  SharedPointer& operator=(SharedPointer&& other) noexcept {
    SharedPointer moved(std::move(other));
    swap(moved);
    return *this;
  }
  SharedPointer& operator=(T* object) { return *this = SharedPointer(object); }

  void reset() {
    if (object_) object_->forget();
    object_ = nullptr;
  }
  void swap(SharedPointer& other) noexcept {
    T* mine = object_;
    object_ = other.object_;
    other.object_ = mine;
  }
  T* get() const { return object_; }
  T* operator->() const { return object_; }
  T& operator*() const { return *object_; }
  explicit operator bool() const { return object_ != nullptr; }
  operator T*() const { return object_; }  // NOLINT: VSTGUI code passes these as raw pointers

  static SharedPointer adopt(T* object) {
    SharedPointer result;
    result.object_ = object;
    return result;
  }

 private:
  T* object_ = nullptr;
};

// Takes over the single reference of a freshly created object.
template <typename T>
SharedPointer<T> owned(T* object) {
  return SharedPointer<T>::adopt(object);
}

}  // namespace VSTGUI

// Class identity for classes derived from CBaseObject: isTypeOf answers for the class's
// own name and then asks its base; newCopy copies the object (copy constructor).
#define CLASS_METHODS(name, parent)                                   \
  bool isTypeOf(VSTGUI::IdStringPtr s) const override {               \
    return std::strcmp(s, #name) == 0 ? true : parent::isTypeOf(s);   \
  }                                                                   \
  VSTGUI::IdStringPtr getClassName() const override { return #name; } \
  VSTGUI::CBaseObject* newCopy() const override { return new name(*this); }

// The same for classes that cannot be copied.
#define CLASS_METHODS_NOCOPY(name, parent)                            \
  bool isTypeOf(VSTGUI::IdStringPtr s) const override {               \
    return std::strcmp(s, #name) == 0 ? true : parent::isTypeOf(s);   \
  }                                                                   \
  VSTGUI::IdStringPtr getClassName() const override { return #name; } \
  VSTGUI::CBaseObject* newCopy() const override { return nullptr; }
