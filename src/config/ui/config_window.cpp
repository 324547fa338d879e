// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/ui/config_window.h"

#include <algorithm>
#include <cmath>

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "config/settings.h"
#include "config/ui/acac_window.h"
#include "config/ui/file_associations.h"
#include "config/ui/keychain_password_store.h"
#include "config/ui/mail_login_group.h"
#include "config/ui/ulda_window.h"
#include "config/ui/unit_list_sort_options_window.h"
#include "core/dialogs.h"
#include "core/error.h"

namespace maprune {

namespace {

const char* const kAxisQuestion
    = "Achtung: diese Änderung wird erst nach einem Neustart des Maprune wirksam. Wollen Sie die "
      "Änderung durchführen?";

#ifdef Q_OS_WIN
const QString kVorlageFilter = QStringLiteral("VORLAGE (vorlage.exe)");
const QString kKcheckFilter = QStringLiteral("KCHECK (kcheck.exe)");
#else
// Programs there have no ".exe", and a Windows one may still run under Wine.
const QString kVorlageFilter = QStringLiteral("VORLAGE (vorlage vorlage.exe)");
const QString kKcheckFilter = QStringLiteral("KCHECK (kcheck kcheck.exe)");
#endif

template <typename Widget> Widget* Named(Widget* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

QCheckBox* CheckBox(const QString& name, const QString& caption)
{
    return Named(new QCheckBox(caption), name);
}

QLineEdit* Edit(const QString& name)
{
    auto* edit = Named(new QLineEdit, name);
    edit->setMinimumWidth(260);
    return edit;
}

QToolButton* ChooserButton(const QString& name)
{
    auto* button = Named(new QToolButton, name);
    button->setText(QStringLiteral("..."));
    return button;
}

QPushButton* PushButton(const QString& name, const QString& caption)
{
    auto* button = Named(new QPushButton(caption), name);
    button->setAutoDefault(false);
    return button;
}

QGroupBox* Group(const QString& title)
{
    return new QGroupBox(title);
}

} // namespace

TConfigWindow::TConfigWindow(TSettings& settings, Dialogs& dialogs, FileAssociations& associations,
    const UnitSortCriteria& criteria, QWidget* parent)
    : QDialog(parent)
    , FSettings(settings)
    , FDialogs(dialogs)
    , FAssociations(associations)
    , FCriteria(criteria)
    , FBindings(dialogs)
{
    setObjectName(QStringLiteral("ConfigWindow"));
    setWindowTitle(QStringLiteral("Konfiguration"));
    FChooseFolder = [](QWidget* parent, const QString& title, const QString& start) {
        return QFileDialog::getExistingDirectory(parent, title, start);
    };
    FChooseProgram
        = [](QWidget* parent, const QString& title, const QString& filter, const QString& start) {
              return QFileDialog::getOpenFileName(parent, title, start, filter);
          };

    auto* tabs = Named(new QTabWidget(this), QStringLiteral("PageControl1"));
    tabs->addTab(GeneralPage(), QStringLiteral("Allgemein"));
    tabs->addTab(MapPage(), QStringLiteral("Karte"));
    tabs->addTab(FolderPage(), QStringLiteral("Verzeichnisse"));
    tabs->addTab(ProgramPage(), QStringLiteral("Programme"));
    tabs->addTab(MailPage(), QStringLiteral("EMail"));
    // Every tab in sight rather than behind scroll arrows.
    tabs->setUsesScrollButtons(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
}

QLabel* TConfigWindow::LabelFor(const QString& caption, QWidget* buddy)
{
    auto* label = Named(new QLabel(caption), QStringLiteral("Label%1").arg(FNextLabel++));
    label->setBuddy(buddy);
    return label;
}

// Pages are created with the window as parent, so their labels are found here.
void TConfigWindow::Depend(QAbstractButton* box, std::vector<QWidget*> controls)
{
    for (QLabel* label : findChildren<QLabel*>()) {
        if (std::ranges::find(controls, label->buddy()) != controls.end())
            controls.push_back(label);
    }
    FDependents.emplace_back(box, std::move(controls));
    connect(box, &QAbstractButton::toggled, this, &TConfigWindow::UpdateEnabling);
}

void TConfigWindow::UpdateEnabling()
{
    for (const auto& [box, controls] : FDependents) {
        for (QWidget* control : controls)
            control->setEnabled(box->isChecked());
    }
}

QWidget* TConfigWindow::GeneralPage()
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);

    auto* program = Group(QStringLiteral("Programm"));
    auto* programLayout = new QVBoxLayout(program);
    auto* fastKdf = CheckBox(
        QStringLiteral("CheckBox1"), QStringLiteral("KDF-Dateien schwächer komprimieren"));
    auto* noAutoSave
        = CheckBox(QStringLiteral("CheckBox4"), QStringLiteral("kein Autosave beim Beenden"));
    auto* noUnitWindow
        = CheckBox(QStringLiteral("CheckBox2"), QStringLiteral("Einheiten-Fenster deaktivieren"));
    for (QWidget* box : { fastKdf, noAutoSave, noUnitWindow })
        programLayout->addWidget(box);
    layout->addWidget(program);
    FBindings.Bind(fastKdf, FSettings.FastKDF);
    FBindings.Bind(noAutoSave, FSettings.NoAutoSave);
    FBindings.Bind(noUnitWindow, FSettings.NoUnitWindow);
    connect(noUnitWindow, &QCheckBox::toggled, this, [this](bool checked) {
        if (!FBindings.Loading())
            emit unitWindowDisabledChanged(checked);
    });

    auto* region = Group(QStringLiteral("Regionsfenster"));
    auto* regionLayout = new QVBoxLayout(region);
    auto* sortButton = PushButton(QStringLiteral("Button1"),
        QStringLiteral("Sortierreihenfolge der Einheiten im Regionsfenster konfigurieren"));
    auto* detailsButton = PushButton(QStringLiteral("Button3"),
        QStringLiteral("Informationsmenge der Einheitenliste konfigurieren"));
    regionLayout->addWidget(sortButton);
    regionLayout->addWidget(detailsButton);
    layout->addWidget(region);
    connect(sortButton, &QPushButton::clicked, this, &TConfigWindow::OpenSortDialog);
    connect(detailsButton, &QPushButton::clicked, this, &TConfigWindow::OpenDetailsDialog);

    auto* files = Group(QStringLiteral("Dateiformate"));
    auto* filesLayout = new QHBoxLayout(files);
    FFileTypes = Named(new QListWidget, QStringLiteral("ListBox1"));
    FFileTypes->setSelectionMode(QAbstractItemView::MultiSelection);
    for (const AssociableFileType& type : AssociableFileTypes())
        FFileTypes->addItem(type.extension);
    FFileTypes->setFixedSize(
        90, 2 * FFileTypes->sizeHintForRow(0) + 2 * FFileTypes->frameWidth() + 4);
    auto* filesNote = LabelFor(
        QStringLiteral("Dateien der markierten Formate werden mit Maprune geöffnet."), FFileTypes);
    filesNote->setWordWrap(true);
    filesLayout->addWidget(FFileTypes);
    filesLayout->addWidget(filesNote, 1);
    layout->addWidget(files);
    connect(
        FFileTypes, &QListWidget::itemSelectionChanged, this, &TConfigWindow::ChangeAssociations);

    layout->addWidget(ChangesGroup());
    layout->addStretch();
    return page;
}

// The thresholds of the window and the map colouring "Veränderungen". Its
// controls are named after their settings and label themselves, so that the
// numbered labels of the other pages keep their numbers.
QWidget* TConfigWindow::ChangesGroup()
{
    struct Row {
        const char* caption;
        const char* name;
        TRegistryInteger& percent;
        TRegistryInteger& minimum;
    };
    const Row rows[] = {
        { "Bauern:", "Peasants", FSettings.ChangesPeasantsPercent,
            FSettings.ChangesPeasantsMinimum },
        { "Silber:", "Silver", FSettings.ChangesSilverPercent, FSettings.ChangesSilverMinimum },
        { "Pferde:", "Horses", FSettings.ChangesHorsesPercent, FSettings.ChangesHorsesMinimum },
        { "Bäume:", "Trees", FSettings.ChangesTreesPercent, FSettings.ChangesTreesMinimum },
        { "Lohn:", "Wages", FSettings.ChangesWagesPercent, FSettings.ChangesWagesMinimum },
        { "Preise:", "Prices", FSettings.ChangesPricesPercent, FSettings.ChangesPricesMinimum },
        { "Silberverlust eigener Einheiten:", "UnitSilver", FSettings.ChangesUnitSilverPercent,
            FSettings.ChangesUnitSilverMinimum },
    };
    auto* group = Group(QStringLiteral("Veränderungen"));
    auto* grid = new QGridLayout(group);
    auto* note = new QLabel(QStringLiteral(
        "Ein Wert gilt als verändert, wenn er sich um beides geändert hat: um so viel Prozent "
        "des älteren Werts und um mindestens so viel."));
    note->setWordWrap(true);
    grid->addWidget(note, 0, 0, 1, 3);
    int line = 1;
    for (const Row& row : rows) {
        const QString name = QStringLiteral("Changes") + QString::fromLatin1(row.name);
        auto* percent = Named(new QSpinBox, name + QStringLiteral("Percent"));
        percent->setPrefix(QStringLiteral("ab "));
        percent->setSuffix(QStringLiteral(" %"));
        auto* minimum = Named(new QSpinBox, name + QStringLiteral("Minimum"));
        minimum->setPrefix(QStringLiteral("und ab "));
        auto* label
            = Named(new QLabel(QString::fromUtf8(row.caption)), name + QStringLiteral("Label"));
        label->setBuddy(percent);
        grid->addWidget(label, line, 0);
        grid->addWidget(percent, line, 1);
        grid->addWidget(minimum, line, 2);
        FBindings.Bind(percent, row.percent);
        FBindings.Bind(minimum, row.minimum);
        ++line;
    }
    // How far back the window can compare: the merges keep the earlier
    // states of so many turns.
    auto* pastTurns = Named(new QSpinBox, QStringLiteral("ChangesPastTurns"));
    pastTurns->setSuffix(QStringLiteral(" Runden"));
    auto* pastLabel = Named(new QLabel(QStringLiteral("Frühere Zustände behalten für:")),
        QStringLiteral("ChangesPastTurnsLabel"));
    pastLabel->setBuddy(pastTurns);
    grid->addWidget(pastLabel, line, 0);
    grid->addWidget(pastTurns, line, 1);
    FBindings.Bind(pastTurns, FSettings.ChangesPastTurns);
    grid->setColumnStretch(0, 1);
    return group;
}

QWidget* TConfigWindow::MapPage()
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);

    auto* choosing = Group(QStringLiteral("Auswahl der aktuellen Region"));
    auto* choosingLayout = new QVBoxLayout(choosing);
    auto* hover = Named(new QRadioButton(QStringLiteral(
                            "1/4 Sekunde mit dem Mauszeiger über einer Region verweilen")),
        QStringLiteral("RadioButton3"));
    auto* click = Named(new QRadioButton(QStringLiteral("Einfachklick mit der rechten Maustaste")),
        QStringLiteral("RadioButton4"));
    auto* swap = CheckBox(QStringLiteral("CheckBox8"),
        QStringLiteral("linke und rechte Maustaste auf Hauptkarte vertauschen"));
    choosingLayout->addWidget(hover);
    choosingLayout->addWidget(click);
    choosingLayout->addWidget(swap);
    layout->addWidget(choosing);
    FBindings.Bind(click, hover, FSettings.RightSelect);
    FBindings.Bind(swap, FSettings.SwapMouseButtons);

    auto* scrolling
        = Group(QStringLiteral("Scrollgeschwindigkeit beim Ziehen mit der rechten Maustaste"));
    auto* scrollingLayout = new QGridLayout(scrolling);
    FTrackBar = Named(new QSlider(Qt::Horizontal), QStringLiteral("TrackBar1"));
    FTrackBar->setRange(-100, 100);
    FTrackBar->setPageStep(10);
    FTrackBar->setTickInterval(10);
    FTrackBar->setTickPosition(QSlider::TicksBelow);
    FFactor = Named(new QLabel, QStringLiteral("Label3"));
    FFactor->setAlignment(Qt::AlignCenter);
    scrollingLayout->addWidget(
        Named(new QLabel(QStringLiteral("x -10,0")), QStringLiteral("Label1")), 0, 0);
    scrollingLayout->addWidget(FTrackBar, 0, 1);
    scrollingLayout->addWidget(
        Named(new QLabel(QStringLiteral("x 10,0")), QStringLiteral("Label2")), 0, 2);
    scrollingLayout->addWidget(FFactor, 1, 1);
    layout->addWidget(scrolling);
    connect(FTrackBar, &QSlider::valueChanged, this, [this](int position) {
        ShowScrollSpeed(position);
        FBindings.Store([&] { FSettings.ScrollSpeed.SetAndStore(position / 10.0); });
    });

    auto* axes = Group(QStringLiteral("Ausrichtung der Karte"));
    auto* axesLayout = new QVBoxLayout(axes);
    FXAxis = Named(
        new QRadioButton(QStringLiteral("x-Achse: W -> O")), QStringLiteral("RadioButton1"));
    FYAxis = Named(
        new QRadioButton(QStringLiteral("y-Achse: N -> S")), QStringLiteral("RadioButton2"));
    axesLayout->addWidget(FXAxis);
    axesLayout->addWidget(FYAxis);
    layout->addWidget(axes);
    for (QRadioButton* button : { FXAxis, FYAxis }) {
        connect(button, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked)
                AskAboutAxes();
        });
    }

    auto* origin = Group(QStringLiteral("Koordinatenursprung"));
    auto* originLayout = new QVBoxLayout(origin);
    auto* noAdaptation = CheckBox(QStringLiteral("CheckBox3"),
        QStringLiteral("keine automatische Anpassung des Koordinatenursprungs"));
    auto* adaptationButton = PushButton(QStringLiteral("Button2"),
        QStringLiteral("automatische Koordinatenurpsrungsanpassung konfigurieren"));
    originLayout->addWidget(noAdaptation);
    originLayout->addWidget(adaptationButton);
    layout->addWidget(origin);
    FBindings.Bind(noAdaptation, FSettings.NoCenterAdaptation);
    connect(adaptationButton, &QPushButton::clicked, this, &TConfigWindow::OpenAdaptationDialog);

    layout->addStretch();
    return page;
}

QWidget* TConfigWindow::FolderPage()
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    auto* folders = Group(QStringLiteral("Startverzeichnisse der Dateidialoge"));
    auto* grid = new QGridLayout(folders);
    struct Row {
        const char* caption;
        TRegistryString& setting;
    };
    const Row rows[] = {
        { "&Datei öffnen", FSettings.OpenDir },
        { "Datei &speichern", FSettings.SaveDir },
        { "&Export", FSettings.ExportDir },
    };
    int number = 1;
    for (const Row& row : rows) {
        auto* edit = Edit(QStringLiteral("Edit%1").arg(number));
        auto* chooser = ChooserButton(QStringLiteral("SpeedButton%1").arg(number));
        const QString caption = QString::fromUtf8(row.caption);
        grid->addWidget(LabelFor(caption, edit), number - 1, 0);
        grid->addWidget(edit, number - 1, 1);
        grid->addWidget(chooser, number - 1, 2);
        FBindings.Bind(edit, row.setting);
        connect(chooser, &QToolButton::clicked, this, [this, edit, caption] {
            const QString title
                = QStringLiteral("Startverzeichnis wählen: ") + QString(caption).remove('&');
            const QString folder = FChooseFolder(this, title, edit->text());
            if (!folder.isEmpty())
                edit->setText(QDir::toNativeSeparators(folder));
        });
        ++number;
    }
    layout->addWidget(folders);
    layout->addStretch();
    return page;
}

QWidget* TConfigWindow::ProgramPage()
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);

    const auto programChooser
        = [this](QToolButton* button, QLineEdit* edit, const QString& name, const QString& filter) {
              connect(button, &QToolButton::clicked, this, [this, edit, name, filter] {
                  const QString path
                      = FChooseProgram(this, QStringLiteral("Programmdatei suchen: ") + name,
                          filter, QFileInfo(edit->text()).path());
                  if (!path.isEmpty())
                      edit->setText(QDir::toNativeSeparators(path));
              });
          };

    auto* vorlage = Group(QStringLiteral("VORLAGE"));
    auto* vorlageGrid = new QGridLayout(vorlage);
    auto* useVorlage = CheckBox(QStringLiteral("CheckBox5"),
        QStringLiteral("beim Export von Befehlsdateien VORLAGE verwenden"));
    auto* vorlageParameters = Edit(QStringLiteral("Edit4"));
    auto* vorlagePath = Edit(QStringLiteral("Edit5"));
    auto* vorlageChooser = ChooserButton(QStringLiteral("SpeedButton4"));
    vorlageGrid->addWidget(useVorlage, 0, 0, 1, 3);
    vorlageGrid->addWidget(LabelFor(QStringLiteral("Parameter:"), vorlageParameters), 1, 0);
    vorlageGrid->addWidget(vorlageParameters, 1, 1);
    vorlageGrid->addWidget(LabelFor(QStringLiteral("Programmdatei:"), vorlagePath), 2, 0);
    vorlageGrid->addWidget(vorlagePath, 2, 1);
    vorlageGrid->addWidget(vorlageChooser, 2, 2);
    layout->addWidget(vorlage);
    FBindings.Bind(useVorlage, FSettings.VORLAGE_Use);
    FBindings.Bind(vorlageParameters, FSettings.VORLAGE_Parameters);
    FBindings.Bind(vorlagePath, FSettings.VORLAGE_Path);
    programChooser(vorlageChooser, vorlagePath, QStringLiteral("VORLAGE"), kVorlageFilter);
    Depend(useVorlage, { vorlageParameters, vorlagePath, vorlageChooser });

    auto* kcheck = Group(QStringLiteral("KCHECK"));
    auto* kcheckGrid = new QGridLayout(kcheck);
    auto* useKcheck = CheckBox(
        QStringLiteral("CheckBox6"), QStringLiteral("Befehlsdateien lokal mit KCHECK prüfen"));
    auto* kcheckParameters = Edit(QStringLiteral("Edit6"));
    auto* kcheckPath = Edit(QStringLiteral("Edit8"));
    auto* kcheckChooser = ChooserButton(QStringLiteral("SpeedButton5"));
    auto* warningLevel = Named(new QSpinBox, QStringLiteral("UpDown1"));
    // The spin box is both the up-down control and its edit field.
    warningLevel->findChild<QLineEdit*>()->setObjectName(QStringLiteral("Edit7"));
    kcheckGrid->addWidget(useKcheck, 0, 0, 1, 3);
    kcheckGrid->addWidget(LabelFor(QStringLiteral("Parameter:"), kcheckParameters), 1, 0);
    kcheckGrid->addWidget(kcheckParameters, 1, 1);
    kcheckGrid->addWidget(LabelFor(QStringLiteral("Programmdatei:"), kcheckPath), 2, 0);
    kcheckGrid->addWidget(kcheckPath, 2, 1);
    kcheckGrid->addWidget(kcheckChooser, 2, 2);
    kcheckGrid->addWidget(LabelFor(QStringLiteral("Warnstufe:"), warningLevel), 3, 0);
    kcheckGrid->addWidget(warningLevel, 3, 1, Qt::AlignLeft);
    layout->addWidget(kcheck);
    FBindings.Bind(useKcheck, FSettings.KCHECK_Use);
    FBindings.Bind(kcheckParameters, FSettings.KCHECK_Parameters);
    FBindings.Bind(kcheckPath, FSettings.KCHECK_Path);
    FBindings.Bind(warningLevel, FSettings.KCHECK_WARNINGLEVEL);
    programChooser(kcheckChooser, kcheckPath, QStringLiteral("KCHECK"), kKcheckFilter);
    Depend(useKcheck, { kcheckParameters, kcheckPath, warningLevel });

    layout->addStretch();
    return page;
}

QWidget* TConfigWindow::MailPage()
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);

    auto* server = Group(QStringLiteral("Mailserver"));
    auto* serverGrid = new QGridLayout(server);
    auto* host = Edit(QStringLiteral("Edit9"));
    auto* user = Edit(QStringLiteral("Edit11"));
    serverGrid->addWidget(LabelFor(QStringLiteral("SMTP-Server:"), host), 0, 0);
    serverGrid->addWidget(host, 0, 1);
    serverGrid->addWidget(LabelFor(QStringLiteral("Benutzername:"), user), 1, 0);
    serverGrid->addWidget(user, 1, 1);
    layout->addWidget(server);
    FBindings.Bind(host, FSettings.Mail_Server);
    FBindings.Bind(user, FSettings.Mail_Username);
    layout->addWidget(MailLoginGroup(FSettings, FBindings, FDialogs, ProgramPasswordStore()));

    auto* orders = Group(QStringLiteral("Befehle"));
    auto* ordersGrid = new QGridLayout(orders);
    auto* sendOrders = CheckBox(
        QStringLiteral("CheckBox7"), QStringLiteral("Befehlsdateien automatisch einsenden"));
    auto* address = Edit(QStringLiteral("Edit10"));
    auto* subject = Edit(QStringLiteral("Edit13"));
    ordersGrid->addWidget(sendOrders, 0, 0, 1, 2);
    ordersGrid->addWidget(LabelFor(QStringLiteral("Empfänger:"), address), 1, 0);
    ordersGrid->addWidget(address, 1, 1);
    ordersGrid->addWidget(LabelFor(QStringLiteral("Betreff:"), subject), 2, 0);
    ordersGrid->addWidget(subject, 2, 1);
    layout->addWidget(orders);
    FBindings.Bind(sendOrders, FSettings.Mail_Commands);
    FBindings.Bind(address, FSettings.Mail_Commands_Address);
    FBindings.Bind(subject, FSettings.Mail_Commands_Subject);
    Depend(sendOrders, { address, subject });

    auto* units = Group(QStringLiteral("Einheiten und Parteien"));
    auto* unitsGrid = new QGridLayout(units);
    auto* mailUnit = CheckBox(QStringLiteral("CheckBox10"),
        QStringLiteral("EMail an Einheit (Doppelklick auf parteigetarnte Einheit)"));
    auto* unitAddress = Edit(QStringLiteral("Edit14"));
    auto* unitExtern
        = CheckBox(QStringLiteral("CheckBox12"), QStringLiteral("externes Mailer-Programm"));
    auto* mailParty = CheckBox(QStringLiteral("CheckBox13"),
        QStringLiteral("EMail an Partei (Doppelklick auf Adresse/Einheit)"));
    auto* partyExtern
        = CheckBox(QStringLiteral("CheckBox14"), QStringLiteral("externes Mailer-Programm"));
    unitsGrid->addWidget(mailUnit, 0, 0, 1, 2);
    unitsGrid->addWidget(LabelFor(QStringLiteral("Adresse:"), unitAddress), 1, 0);
    unitsGrid->addWidget(unitAddress, 1, 1);
    unitsGrid->addWidget(unitExtern, 2, 1);
    unitsGrid->addWidget(mailParty, 3, 0, 1, 2);
    unitsGrid->addWidget(partyExtern, 4, 1);
    layout->addWidget(units);
    FBindings.Bind(mailUnit, FSettings.Mail_Unit);
    FBindings.Bind(unitAddress, FSettings.Mail_Unit_Address);
    FBindings.Bind(unitExtern, FSettings.Mail_Unit_Extern);
    FBindings.Bind(mailParty, FSettings.Mail_Party);
    FBindings.Bind(partyExtern, FSettings.Mail_Party_Extern);
    Depend(mailUnit, { unitAddress, unitExtern });
    Depend(mailParty, { partyExtern });

    layout->addStretch();
    return page;
}

void TConfigWindow::showEvent(QShowEvent* event)
{
    FBindings.Load();
    {
        const QSignalBlocker quietTrackBar(FTrackBar);
        const QSignalBlocker quietX(FXAxis);
        const QSignalBlocker quietY(FYAxis);
        // Clamped before the conversion: a stored factor far out of range would not fit an int.
        const double position
            = std::clamp(std::round(FSettings.ScrollSpeed.Get() * 10.0), -100.0, 100.0);
        FTrackBar->setValue(static_cast<int>(position));
        (FSettings.KelvaranLayout.Get() ? FXAxis : FYAxis)->setChecked(true);
    }
    ShowScrollSpeed(FTrackBar->value());
    ShowAssociations();
    UpdateEnabling();
    QDialog::showEvent(event);
}

void TConfigWindow::ShowScrollSpeed(int position)
{
    FFactor->setText(position == 0
            ? QStringLiteral("deaktiviert")
            : QStringLiteral("x ") + QLocale(QLocale::German).toString(position / 10.0, 'f', 1));
}

void TConfigWindow::AskAboutAxes()
{
    const DialogButton answer
        = FDialogs.ShowMessage(MessageKind::Confirmation, kAxisQuestion, ButtonYes | ButtonNo);
    if (answer == ButtonYes) {
        FBindings.Store([this] { FSettings.KelvaranLayout.SetAndStore(FXAxis->isChecked()); });
        return;
    }
    const QSignalBlocker quietX(FXAxis);
    const QSignalBlocker quietY(FYAxis);
    (FSettings.KelvaranLayout.Get() ? FXAxis : FYAxis)->setChecked(true);
}

void TConfigWindow::ShowAssociations()
{
    const QSignalBlocker quiet(FFileTypes);
    for (int row = 0; row < FFileTypes->count(); ++row) {
        QListWidgetItem* item = FFileTypes->item(row);
        item->setSelected(FAssociations.IsAssociated(item->text()));
    }
}

void TConfigWindow::ChangeAssociations()
{
    for (int row = 0; row < FFileTypes->count(); ++row) {
        const QListWidgetItem* item = FFileTypes->item(row);
        if (item->isSelected() == FAssociations.IsAssociated(item->text()))
            continue;
        try {
            FAssociations.SetAssociated(item->text(), item->isSelected());
        } catch (const Error& e) {
            FDialogs.ShowMessage(MessageKind::Error, e.what(), ButtonOk);
        }
    }
    ShowAssociations();
}

void TConfigWindow::OpenSortDialog()
{
    auto* dialog = new TUnitListSortOptionsWindow(FSettings, FCriteria, FDialogs, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &TUnitListSortOptionsWindow::sortOrderChanged, this,
        &TConfigWindow::unitListSortOrderChanged);
    dialog->open();
}

void TConfigWindow::OpenAdaptationDialog()
{
    auto* dialog = new TACACWindow(FSettings, FDialogs, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void TConfigWindow::OpenDetailsDialog()
{
    auto* dialog = new TULDAWindow(FSettings, FDialogs, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &TULDAWindow::detailsChanged, this, &TConfigWindow::unitListDetailsChanged);
    dialog->open();
}

} // namespace maprune
