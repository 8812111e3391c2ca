#include "app/appwindows.h"

#include "app/tt_zunov.h"
#include "dialogs/tfrmoprogramu.h"
#include "dialogs/tnapoved.h"
#include "dialogs/tpripoj.h"

namespace {

template<typename Window> std::unique_ptr<Window> create(Window *&instance)
{
    auto window = std::make_unique<Window>();
    instance = window.get();
    return window;
}

} // namespace

AppWindows::AppWindows()
    : m_main(create(T_ZUNOV))
    , m_about(create(frmOProgramu))
    , m_help(create(napoved))
    , m_connect(create(Pripoj))
{}

AppWindows::~AppWindows()
{
    // Handlers of the main window look the others up by these names, so they
    // go first, and the main window with the serial port last.
    Pripoj = nullptr;
    napoved = nullptr;
    frmOProgramu = nullptr;
    m_connect.reset();
    m_help.reset();
    m_about.reset();
    T_ZUNOV = nullptr;
    m_main.reset();
}
