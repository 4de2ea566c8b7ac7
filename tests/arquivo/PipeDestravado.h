#pragma once
// A named pipe that nobody is allowed to wait on for long: a fault that made
// the program block opening it would hang the test until the runner's
// timeout. After `limite` this opens the other end itself, once, so the
// blocked call returns and the test fails saying why.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <csignal>
#include <mutex>
#include <string>
#include <thread>

class PipeDestravado {
  public:
    explicit PipeDestravado(std::string fifo,
                            std::chrono::milliseconds limite = std::chrono::seconds(5))
        : fifo_(std::move(fifo)), sinal_(std::signal(SIGPIPE, SIG_IGN)),
          vigia_([this, limite](std::stop_token fim) { Vigia(fim, limite); }) {}
    ~PipeDestravado() {
        vigia_.request_stop();
        vigia_.join();
        std::signal(SIGPIPE, sinal_);
        EXPECT_FALSE(agiu_) << fifo_ << ": blocked until the other end was opened";
    }
    PipeDestravado(const PipeDestravado&) = delete;
    PipeDestravado& operator=(const PipeDestravado&) = delete;

  private:
    void Vigia(std::stop_token fim, std::chrono::milliseconds limite) {
        std::mutex m;
        std::unique_lock trava(m);
        std::condition_variable_any espera;
        espera.wait_for(trava, fim, limite, [] { return false; });
        if (fim.stop_requested()) return;
        // Both ends at once: whichever the blocked call waits for.
        const int fd = ::open(fifo_.c_str(), O_RDWR | O_NONBLOCK);
        agiu_ = true;
        if (fd >= 0) ::close(fd);
    }

    std::string fifo_;
    void (*sinal_)(int);
    bool agiu_ = false;
    std::jthread vigia_;
};
