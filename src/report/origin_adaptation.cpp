// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/origin_adaptation.h"

#include <algorithm>
#include <string>

#include "core/dialogs.h"
#include "model/report.h"
#include "report/progress_panel.h"
#include "report/shift_chooser.h"
#include "report/shift_search.h"

namespace maprune {

namespace {

LayerShift Decide(int32_t layer, const std::vector<ScoredShift>& accepted,
                  const AdaptationOptions& options, AdaptationUi& ui)
{
    LayerShift result;
    result.Layer = layer;
    result.AcceptedShifts = accepted.size();
    if (accepted.size() == 1
        || (accepted.size() > 1 && options.OnSeveral == SeveralShiftsReaction::TakeBest)) {
        result.Result = LayerShift::Outcome::Shifted;
        result.Offset = accepted.front().Offset;
        return result;
    }
    if (accepted.size() > 1) {
        const auto chosen = ui.Chooser.ChooseShift(accepted);
        if (chosen && *chosen < accepted.size()) {
            result.Result = LayerShift::Outcome::Shifted;
            result.Offset = accepted[*chosen].Offset;
        } else {
            result.Result = LayerShift::Outcome::Refused;
        }
        return result;
    }
    switch (options.OnNone) {
    case NoShiftReaction::Continue:
        result.Result = LayerShift::Outcome::Unshifted;
        break;
    case NoShiftReaction::Refuse:
        result.Result = LayerShift::Outcome::Refused;
        break;
    case NoShiftReaction::Ask:
        result.Result = ui.Messages.ShowMessage(MessageKind::Confirmation, kNoShiftQuestion,
                                                ButtonOk | ButtonCancel)
                                == ButtonOk
                            ? LayerShift::Outcome::Unshifted
                            : LayerShift::Outcome::Refused;
        break;
    }
    return result;
}

std::vector<int32_t> AllLayers(const TReport& x, const TReport& y)
{
    std::vector<int32_t> layers = x.Layers();
    for (int32_t layer : y.Layers()) {
        if (std::find(layers.begin(), layers.end(), layer) == layers.end())
            layers.push_back(layer);
    }
    return layers;
}

} // namespace

bool AdaptationPlan::Refused() const
{
    return std::any_of(Layers.begin(), Layers.end(), [](const LayerShift& layer) {
        return layer.Result == LayerShift::Outcome::Refused;
    });
}

LayerShift FindShift(const TReport& x, const TReport& y, int32_t layer,
                     const AdaptationOptions& options, AdaptationUi& ui)
{
    Progress& bar = ui.Panel.Bar(PanelBar::Adaptation);
    const std::vector<ScoredShift> accepted = SearchShifts(x, y, layer, options, bar);
    LayerShift result = Decide(layer, accepted, options, ui);
    bar.SetPosition(1000);
    return result;
}

AdaptationPlan PlanAdaptation(const TReport& x, const TReport& y, const AdaptationOptions& options,
                              AdaptationUi& ui)
{
    AdaptationPlan plan;
    plan.Enabled = options.Enabled;
    if (!options.Enabled)
        return plan;
    const std::vector<int32_t> layers = AllLayers(x, y);
    for (size_t k = 0; k < layers.size(); ++k) {
        const std::string which = std::to_string(layers[k]) + " (" + std::to_string(k + 1) + " von "
                                  + std::to_string(layers.size()) + ")";
        ui.Panel.SetCaption("initialisiere Ebene " + which);
        ui.Panel.SetCaption("Koordinatenursprungsanpassung Ebene " + which);
        plan.Layers.push_back(FindShift(x, y, layers[k], options, ui));
        if (plan.Layers.back().Result == LayerShift::Outcome::Refused)
            break;
    }
    return plan;
}

void ApplyAdaptation(TReport& x, const AdaptationPlan& plan)
{
    if (plan.Refused())
        return;
    for (const LayerShift& layer : plan.Layers) {
        if (layer.Result == LayerShift::Outcome::Shifted && !(layer.Offset == Shift{}))
            ShiftLayer(x, layer.Layer, layer.Offset);
    }
}

AdaptationPlan AdaptOrigin(TReport& x, const TReport& y, const AdaptationOptions& options,
                           AdaptationUi& ui)
{
    AdaptationPlan plan = PlanAdaptation(x, y, options, ui);
    ApplyAdaptation(x, plan);
    return plan;
}

} // namespace maprune
