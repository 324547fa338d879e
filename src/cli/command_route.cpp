// SPDX-License-Identifier: GPL-3.0-or-later
// maprune-cli route and trade: what the route window and the trade-route
// window compute, for scripts and for checking the program on a report.
#include <charconv>
#include <iostream>
#include <memory>
#include <sstream>

#include "cli/qt_verbs.h"
#include "cli/report_loading.h"
#include "cli/user_settings.h"
#include "cli/verb_registry.h"
#include "core/error.h"
#include "model/report.h"
#include "tools/route/route_optimiser.h"
#include "tools/route/way_point_routes.h"
#include "tools/trade/trade_routes.h"

namespace maprune::cli {

namespace {

struct RouteArguments {
    ReportOptions Report;
    std::vector<std::string> Points;
    std::vector<std::string> Avoid;
    int Speed = 1;
    int StreetSpeed = 2;
    bool Ship = false;
    bool Optimise = false;
};

struct TradeArguments {
    ReportOptions Report;
    TradeInputs Inputs;
    std::string Sort = "Gewinn,Rentabilität,Dauer";
};

[[noreturn]] void Fail(const std::string& message)
{
    std::cerr << message << '\n';
    throw CLI::RuntimeError(1);
}

// "X,Y" or "X,Y,Z"; Z is the active layer when left out.
TRegion& RegionAt(TReport& report, const std::string& text)
{
    std::vector<int32_t> numbers;
    std::string_view rest = text;
    for (;;) {
        int32_t value = 0;
        const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), value);
        if (error != std::errc())
            break;
        numbers.push_back(value);
        rest.remove_prefix(static_cast<size_t>(end - rest.data()));
        if (rest.empty() || rest.front() != ',')
            break;
        rest.remove_prefix(1);
    }
    if (!rest.empty() || numbers.size() < 2 || numbers.size() > 3)
        Fail("Keine Koordinaten X,Y oder X,Y,Z: " + text);
    TRegion* region = report.FindRegion(
        numbers[0], numbers[1], numbers.size() == 3 ? numbers[2] : report.ActiveLayer);
    if (region == nullptr)
        Fail("Keine Region bei " + text);
    return *region;
}

void RunRoute(const RouteArguments& arguments)
{
    size_t warnings = 0;
    const LoadedReport report = LoadReport(arguments.Report, warnings);
    std::vector<TRegion*> points;
    for (const std::string& point : arguments.Points)
        points.push_back(&RegionAt(*report, point));
    RoutePlanOptions options;
    for (const std::string& point : arguments.Avoid)
        options.Avoid.push_back(&RegionAt(*report, point));
    options.Speed = arguments.Speed;
    options.StreetSpeed = arguments.Ship ? 0 : arguments.StreetSpeed;
    options.KelvaranLayout = KelvaranLayoutOfUser();
    const RouteGraph graph(*report);
    try {
        if (arguments.Optimise) {
            std::vector<WayPoint> wayPoints;
            for (size_t i = 0; i < points.size(); ++i)
                wayPoints.push_back({ points[i], i > 0 && i + 1 < points.size() });
            points = OptimiseWayPoints(
                graph, wayPoints, options.Avoid, options.StreetSpeed, options.Speed);
        }
        const std::vector<RouteLeg> legs = RouteLegs(graph, points, options);
        int32_t total = 0;
        for (const RouteLeg& leg : legs) {
            std::cout << RegionDescription(leg.From) << " -> " << RegionDescription(leg.To) << ": "
                      << leg.Text << " (" << leg.Turns << (leg.Turns == 1 ? " Runde" : " Runden")
                      << ")\n";
            total += leg.Turns;
        }
        std::cout << "Gesamt: " << total << (total == 1 ? " Runde" : " Runden") << '\n';
        std::cout << "Route: " << RouteCopyText(legs) << '\n';
    } catch (const Error& e) {
        Fail(e.what());
    }
}

TravelMode ModeNamed(const std::string& name)
{
    const std::pair<const char*, TravelMode> modes[] = { { "walk", TravelMode::Walk },
        { "ride", TravelMode::Ride }, { "ship", TravelMode::Ship }, { "none", TravelMode::None } };
    for (const auto& [text, mode] : modes) {
        if (name == text)
            return mode;
    }
    Fail("Unbekannte Reiseart: " + name + " (walk, ride, ship oder none)");
}

std::vector<TradeCriterion> SortOrderNamed(const std::string& text)
{
    std::vector<TradeCriterion> order;
    std::stringstream parts(text);
    for (std::string part; std::getline(parts, part, ',');) {
        bool known = false;
        for (TradeCriterion criterion :
            { TradeCriterion::Profit, TradeCriterion::Return, TradeCriterion::Duration }) {
            if (part == TradeCriterionName(criterion)) {
                order.push_back(criterion);
                known = true;
            }
        }
        if (!known)
            Fail("Unbekanntes Sortierkriterium: " + part + " (Gewinn, Rentabilität, Dauer)");
    }
    return order;
}

void RunTrade(TradeArguments& arguments, const std::string& mode)
{
    arguments.Inputs.Mode = ModeNamed(mode);
    arguments.Inputs.SortOrder = SortOrderNamed(arguments.Sort);
    size_t warnings = 0;
    const LoadedReport report = LoadReport(arguments.Report, warnings);
    try {
        for (const TradeRoute& route : FindTradeRoutes(*report, arguments.Inputs).Routes)
            std::cout << route.Line << '\n';
    } catch (const Error& e) {
        Fail(e.what());
    }
}

void AddRouteCommand(CLI::App& app)
{
    auto route = std::make_shared<RouteArguments>();
    CLI::App* routeCommand = app.add_subcommand("route", QtVerbDescription("route"));
    AddReportOptions(*routeCommand, route->Report);
    routeCommand->add_option("POINTS", route->Points, "Haltepunkte X,Y[,Z], mindestens zwei")
        ->required()
        ->expected(2, -1);
    routeCommand->add_option("--speed", route->Speed, "Regionen pro Runde ohne Straße/Ozean (1-8)");
    routeCommand->add_option(
        "--street-speed", route->StreetSpeed, "Regionen pro Runde mit Straße (1-8)");
    routeCommand->add_flag("--ship", route->Ship, "Weg über den Ozean");
    routeCommand->add_option("--avoid", route->Avoid, "zu vermeidende Region X,Y[,Z]")
        ->allow_extra_args(false);
    routeCommand->add_flag(
        "--optimise", route->Optimise, "die Haltepunkte zwischen erstem und letztem umordnen");
    routeCommand->callback([route] { RunRoute(*route); });
}

void AddTradeCommand(CLI::App& app)
{
    auto trade = std::make_shared<TradeArguments>();
    auto mode = std::make_shared<std::string>("walk");
    CLI::App* tradeCommand = app.add_subcommand("trade", QtVerbDescription("trade"));
    AddReportOptions(*tradeCommand, trade->Report);
    TradeInputs& in = trade->Inputs;
    tradeCommand->add_option("--mode", *mode, "walk, ride, ship oder none (keine Entfernung)");
    tradeCommand->add_option("--ship-speed", in.ShipSpeed, "Schiffsgeschwindigkeit");
    tradeCommand->add_option(
        "--min-profit", in.MinimumProfit, "nur Routen mit Gewinn von mindestens");
    tradeCommand->add_flag("--castles", in.CastlesOnly, "nur Regionen mit Burg");
    tradeCommand->add_option("--sort", trade->Sort, "Sortierreihenfolge, durch Kommas getrennt");
    tradeCommand->add_option("--silver", in.SilverPerCostUnit, "Silber je Kosteneinheit und Runde");
    tradeCommand->add_option("--weight-units", in.WeightUnitsPerCostUnit, "GE je Kosteneinheit");
    tradeCommand->add_option("--fixed", in.FixedCostPerTurn, "Silber Fixkosten je Runde");
    tradeCommand->add_option("--buyer-talent", in.BuyerTalent, "Handeln-Talent des Käufers");
    tradeCommand->add_option("--seller-talent", in.SellerTalent, "Handeln-Talent des Verkäufers");
    tradeCommand->callback([trade, mode] { RunTrade(*trade, *mode); });
}

const VerbRegistration routeVerb { "route", &AddRouteCommand };
const VerbRegistration tradeVerb { "trade", &AddTradeCommand };

} // namespace

} // namespace maprune::cli
