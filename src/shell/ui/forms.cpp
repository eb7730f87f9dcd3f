// The registry that tells the main window how to create each simulation window's form.
#include "shell/ui/forms.h"

#include <array>

#include "celestial/centrali_form.h"
#include "celestial/corpi_form.h"
#include "celestial/duecorpiellit_form.h"
#include "celestial/espansione_form.h"
#include "celestial/preces_form.h"
#include "celestial/trottola_form.h"
#include "earthmoon/fasilun_form.h"
#include "earthmoon/maree_form.h"
#include "earthmoon/motilunar_form.h"
#include "earthquakes/epicentro1_form.h"
#include "earthquakes/love_form.h"
#include "earthquakes/oscillazioneb_form.h"
#include "earthquakes/primarie_form.h"
#include "earthquakes/raylei_form.h"
#include "earthquakes/secondarie_form.h"
#include "misc/doppler_form.h"
#include "misc/magvar_form.h"
#include "misc/simuldopbis_form.h"
#include "misc/specparafronti_form.h"
#include "rotation/centrifuga_form.h"
#include "rotation/foucault_form.h"
#include "rotation/ferrel_form.h"
#include "rotation/ciclone_form.h"
#include "rotation/gravi_form.h"
#include "rotation/peso_form.h"
#include "solarsystem/camsole_form.h"
#include "solarsystem/flussol_form.h"
#include "solarsystem/pkeplero_form.h"
#include "solarsystem/tkeplero_form.h"
#include "solarsystem/skeplero_form.h"
#include "solarsystem/temame_form.h"

namespace orb {

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
    f[6] = &make<Tfaslun>;
    f[2] = &make<Tcenfuga>;
    f[16] = &make<Tkuno>;
    f[17] = &make<Tprecter>;
    f[21] = &make<Tdopsimul>;
    f[5] = &make<Tepice1>;
    f[12] = &make<Tmarea>;
    f[13] = &make<Tmotlun>;
    f[19] = &make<Tonder>;
    f[20] = &make<Tondes>;
    f[10] = &make<Tondel>;
    f[8] = &make<Tpendol>;
    f[7] = &make<Tferre>;
    f[14] = &make<Toscilla>;
    f[24] = &make<Tktres>;
    f[29] = &make<Tciclon>;
    f[9] = &make<Tcaduta>;
    f[15] = &make<Tvarpeso>;
    f[22] = &make<Tkdue>;
    f[25] = &make<Tspins>;
    f[1] = &make<Tfcen>;
    f[23] = &make<Ttema>;
    f[0] = &make<Tcammin>;
    f[3] = &make<Tduec>;
    f[28] = &make<Tmomento>;
    f[11] = &make<Tbotmagne>;
    f[30] = &make<Tsconcavo>;
    f[27] = &make<Tespanduni>;
    f[26] = &make<Tunflusso>;
    f[4] = &make<Tdop>;
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
