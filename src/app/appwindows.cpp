#include "app/appwindows.h"

#include "app/tt_zunov.h"
#include "config/configuration.h"
#include "dialogs/tfrmoprogramu.h"
#include "dialogs/tnapoved.h"
#include "dialogs/tnast.h"
#include "dialogs/tpripoj.h"
#include "measure/tgraff.h"

namespace {

template<typename Window, typename... Arguments>
std::unique_ptr<Window> create(Window *&instance, Arguments &&...arguments)
{
    auto window = std::make_unique<Window>(std::forward<Arguments>(arguments)...);
    instance = window.get();
    return window;
}

} // namespace

AppWindows::AppWindows()
    : AppWindows(readConfiguration(configurationFilePath()))
{}

AppWindows::AppWindows(const Configuration &configuration)
    : m_main(create(T_ZUNOV, configuration))
    , m_about(create(frmOProgramu))
    , m_help(create(napoved))
    , m_graph(create(Graff))
    , m_connect(create(Pripoj))
    , m_settings(create(
          Nast, [main = m_main.get()] { main->requestRestart(); }, configuration))
{
    m_main->attachGraphWindow(*m_graph);
    QObject::connect(m_graph.get(), &TGraff::closed, m_main.get(), &TT_ZUNOV::graphWindowClosed);
}

AppWindows::~AppWindows()
{
    // Handlers of the main window look the others up by these names, so they
    // go first, and the main window with the serial port last.
    Nast = nullptr;
    Pripoj = nullptr;
    Graff = nullptr;
    napoved = nullptr;
    frmOProgramu = nullptr;
    m_settings.reset();
    m_connect.reset();
    m_graph.reset();
    m_help.reset();
    m_about.reset();
    T_ZUNOV = nullptr;
    m_main.reset();
}
