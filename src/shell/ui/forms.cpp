// The registry that tells the main window how to create each simulation window's form.
#include "shell/ui/forms.h"

#include <array>

#include "earthquakes/primarie_form.h"

namespace orb {

// Windows being built in parallel register through these; a window whose unit is not linked in
// yet has no factory.
#define ORB_FORM(cls) __attribute__((weak)) SimWindow* make##cls(const WindowInfo& info, QWidget* parent);
ORB_FORM(Tfaslun)
ORB_FORM(Tcenfuga)
ORB_FORM(Tkuno)
ORB_FORM(Tprecter)
ORB_FORM(Tdopsimul)
ORB_FORM(Tepice1)
#undef ORB_FORM

namespace {
template <typename Form>
SimWindow* make(const WindowInfo& info, QWidget* parent)
{
    return new Form(info, parent);
}

// By WindowClosedFlags index; a window that is not built yet has no entry.
std::array<FormFactory, 31> g_overrides{};

const std::array<FormFactory, 31> kFactories = [] {
    std::array<FormFactory, 31> f{};
    f[18] = &make<Tondep>;
    f[6] = makeTfaslun;
    f[2] = makeTcenfuga;
    f[16] = makeTkuno;
    f[17] = makeTprecter;
    f[21] = makeTdopsimul;
    f[5] = makeTepice1;
    return f;
}();
}  // namespace

FormFactory formFactory(int flag)
{
    if (flag < 0 || flag >= static_cast<int>(kFactories.size()))
        return nullptr;
    const auto i = static_cast<std::size_t>(flag);
    return g_overrides[i] ? g_overrides[i] : kFactories[i];
}

void overrideFormFactory(int flag, FormFactory factory)
{
    if (flag >= 0 && flag < static_cast<int>(g_overrides.size()))
        g_overrides[static_cast<std::size_t>(flag)] = factory;
}

}  // namespace orb
