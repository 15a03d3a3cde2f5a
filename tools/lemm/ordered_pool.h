// Work on a number of threads with the results handed on in the order the
// work came in: lemm lemmatizes pieces of its input side by side and
// prints them as they stood.
//
// Submit queues a job; the calling thread hands finished jobs, oldest
// first, to the sink, and waits when too many are in flight. With one
// thread the work runs in the calling thread itself.
#ifndef LEMMATIZER_TOOLS_LEMM_ORDERED_POOL_H_
#define LEMMATIZER_TOOLS_LEMM_ORDERED_POOL_H_

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace lemmatizer {

template <typename Job>
class OrderedPool {
 public:
  using Work = std::function<void(Job&)>;
  using Sink = std::function<void(Job&)>;

  OrderedPool(unsigned threads, Work work, Sink sink)
      : m_work(std::move(work)), m_sink(std::move(sink)), m_limit(4 * threads) {
    if (threads > 1) {
      for (unsigned i = 0; i < threads; ++i) m_threads.emplace_back([this] { Serve(); });
    }
  }

  ~OrderedPool() {
    Finish();
    {
      std::lock_guard<std::mutex> lock(m_mutex);
      m_stopping = true;
    }
    m_ready.notify_all();
    for (std::thread& thread : m_threads) thread.join();
  }

  void Submit(Job job) {
    if (m_threads.empty()) {
      m_work(job);
      m_sink(job);
      return;
    }
    auto entry = std::make_shared<Entry>();
    entry->job = std::move(job);
    {
      std::lock_guard<std::mutex> lock(m_mutex);
      m_queue.push_back(entry);
      m_inFlight.push_back(entry);
    }
    m_ready.notify_one();
    DrainFinished(m_limit);
  }

  // Hands every job on; returns when all are done.
  void Finish() { DrainFinished(0); }

 private:
  struct Entry {
    Job job;
    bool done = false;
  };

  void Serve() {
    for (;;) {
      std::shared_ptr<Entry> entry;
      {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_ready.wait(lock, [this] { return m_stopping || !m_queue.empty(); });
        if (m_queue.empty()) return;
        entry = m_queue.front();
        m_queue.pop_front();
      }
      m_work(entry->job);
      {
        std::lock_guard<std::mutex> lock(m_mutex);
        entry->done = true;
      }
      m_done.notify_all();
    }
  }

  // Hands on finished jobs in order, waiting for the oldest while more
  // than `keep` are in flight.
  void DrainFinished(size_t keep) {
    for (;;) {
      std::shared_ptr<Entry> oldest;
      {
        std::unique_lock<std::mutex> lock(m_mutex);
        if (m_inFlight.empty()) return;
        if (m_inFlight.size() > keep) {
          m_done.wait(lock, [this] { return m_inFlight.front()->done; });
        } else if (!m_inFlight.front()->done) {
          return;
        }
        oldest = m_inFlight.front();
        m_inFlight.pop_front();
      }
      m_sink(oldest->job);
    }
  }

  Work m_work;
  Sink m_sink;
  size_t m_limit;
  std::vector<std::thread> m_threads;
  std::mutex m_mutex;
  std::condition_variable m_ready, m_done;
  std::deque<std::shared_ptr<Entry>> m_queue, m_inFlight;
  bool m_stopping = false;
};

}  // namespace lemmatizer

#endif  // LEMMATIZER_TOOLS_LEMM_ORDERED_POOL_H_
