#include "ui/SystemRandom.h"
#include <chrono>

SystemRandom::SystemRandom()
    : m_engine(static_cast<std::uint64_t>(
          std::chrono::system_clock::now().time_since_epoch().count())) {}

double SystemRandom::Rnd() { return m_unit(m_engine); }
