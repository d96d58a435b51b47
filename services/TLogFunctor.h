#pragma once

#include <string>

namespace quillmere::services {

// Logs one message at one fixed level.
class TLogFunctor {
  public:
    virtual ~TLogFunctor() = default;
    virtual void operator()(const std::string& message) const = 0;
};

// Binds a TLogFunctor to a back-end proxy that knows whether its level is enabled.
template <typename Proxy>
class TLogFunctorImpl : public TLogFunctor {
  public:
    explicit TLogFunctorImpl(Proxy proxy) : m_proxy(std::move(proxy)) {}

    void operator()(const std::string& message) const override {
        if (m_proxy.isEnabled()) {
            m_proxy.log(message);
        }
    }

  private:
    Proxy m_proxy;
};

}  // namespace quillmere::services
