#pragma once
// Counts the live objects of a class, so that a check can tell whether repeated use
// leaves objects behind. A class joins by deriving from LiveInstances<itself>.

#include <atomic>

template <typename T>
class LiveInstances {
 public:
  static int Live() { return count_.load(std::memory_order_relaxed); }

 protected:
  LiveInstances() { count_.fetch_add(1, std::memory_order_relaxed); }
  LiveInstances(const LiveInstances&) { count_.fetch_add(1, std::memory_order_relaxed); }
  LiveInstances& operator=(const LiveInstances&) = default;
  ~LiveInstances() { count_.fetch_sub(1, std::memory_order_relaxed); }

 private:
  static inline std::atomic<int> count_{0};
};
