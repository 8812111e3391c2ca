#include "app/appwindows.h"

#include "app/tt_zunov.h"

AppWindows::AppWindows()
{
    m_main = std::make_unique<TT_ZUNOV>();
    T_ZUNOV = m_main.get();
}

AppWindows::~AppWindows()
{
    T_ZUNOV = nullptr;
}
