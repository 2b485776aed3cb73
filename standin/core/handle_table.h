// Objects the host hands out as opaque handles. Handles are never reused, so a handle kept after
// its object was disposed is recognised as such instead of reaching another object.
#ifndef KERFWORKS_STANDIN_CORE_HANDLE_TABLE_H
#define KERFWORKS_STANDIN_CORE_HANDLE_TABLE_H

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace standin {

enum class HandleState { kLive, kDisposed, kUnknown };

template <typename Handle, typename T>
class HandleTable {
 public:
  Handle Add(std::unique_ptr<T> object) {
    const std::uintptr_t id = ++lastId_;
    Handle handle = reinterpret_cast<Handle>(id << 4);
    objects_[handle] = std::move(object);
    return handle;
  }

  HandleState State(Handle handle) const {
    if (objects_.count(handle) != 0) return HandleState::kLive;
    if (disposed_.count(handle) != 0) return HandleState::kDisposed;
    return HandleState::kUnknown;
  }

  // Null unless live.
  T* Find(Handle handle) const {
    auto it = objects_.find(handle);
    return it == objects_.end() ? nullptr : it->second.get();
  }

  // False unless the handle was live.
  bool Dispose(Handle handle) {
    auto it = objects_.find(handle);
    if (it == objects_.end()) return false;
    objects_.erase(it);
    disposed_.insert(handle);
    return true;
  }

  std::size_t LiveCount() const { return objects_.size(); }

  // In the order the objects were added.
  std::vector<Handle> LiveHandles() const {
    std::vector<Handle> out;
    out.reserve(objects_.size());
    for (const auto& [handle, object] : objects_) out.push_back(handle);
    std::sort(out.begin(), out.end(), std::less<Handle>());
    return out;
  }

 private:
  std::uintptr_t lastId_ = 0;
  // Hashed: documents of many thousand objects are looked up on every suite call.
  std::unordered_map<Handle, std::unique_ptr<T>> objects_;
  std::unordered_set<Handle> disposed_;
};

}  // namespace standin

#endif  // KERFWORKS_STANDIN_CORE_HANDLE_TABLE_H
