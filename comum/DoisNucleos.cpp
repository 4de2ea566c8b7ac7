#include "comum/DoisNucleos.h"

#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

namespace dois_nucleos {

namespace {

std::atomic<int> criadas{0};

// One helper thread for the whole process, taking one share at a time. A
// caller that finds it busy (another thread's run) does its items alone.
class Ajudante {
  public:
    static Ajudante& Unico() {
        static Ajudante a;
        return a;
    }

    bool Entrega(void (*f)(void*), void* contexto) {
        std::unique_lock trava(m_);
        if (ocupado_ || !Inicia()) return false;
        f_ = f;
        contexto_ = contexto;
        ocupado_ = true;
        pronto_ = false;
        trava.unlock();
        cv_.notify_all();
        return true;
    }

    void Espera() {
        std::unique_lock trava(m_);
        cv_.wait(trava, [&] { return pronto_; });
        ocupado_ = false;
    }

    ~Ajudante() {
        {
            const std::lock_guard trava(m_);
            fim_ = true;
        }
        cv_.notify_all();
        if (thread_.joinable()) thread_.join();
    }

  private:
    Ajudante() = default;

    bool Inicia() {
        if (thread_.joinable()) return true;
        if (semThread_ || std::thread::hardware_concurrency() < 2) return false;
        try {
            thread_ = std::thread([this] { Laco(); });
            ++criadas;
            return true;
        } catch (const std::system_error&) {
            semThread_ = true;
            return false;
        }
    }

    void Laco() {
        std::unique_lock trava(m_);
        for (;;) {
            cv_.wait(trava, [&] { return fim_ || (ocupado_ && !pronto_ && f_); });
            if (fim_) return;
            auto* f = f_;
            f_ = nullptr;
            trava.unlock();
            f(contexto_);
            trava.lock();
            pronto_ = true;
            cv_.notify_all();
        }
    }

    std::mutex m_;
    std::condition_variable cv_;
    std::thread thread_;
    void (*f_)(void*) = nullptr;
    void* contexto_ = nullptr;
    bool ocupado_ = false, pronto_ = true, fim_ = false, semThread_ = false;
};

} // namespace

bool Parte::Tenta(void (*f)(void*), void* contexto) {
    ativa_ = Ajudante::Unico().Entrega(f, contexto);
    return ativa_;
}

void Parte::Espera() {
    if (!ativa_) return;
    Ajudante::Unico().Espera();
    ativa_ = false;
}

int ThreadsCriadas() {
    return criadas;
}

} // namespace dois_nucleos
