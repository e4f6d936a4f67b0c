#pragma once
// The main window: one modal dialog holding every input, the table of twilight
// times and the chart area. Every input lives only in its control and is read
// from there at each refresh; the table widget is the only store of results.

#include "app/Prompts.h"
#include "app/UtcDate.h"
#include "chart/ChartPainter.h"
#include "chart/ChartTypes.h"
#include "schedule/FieldRules.h"
#include "schedule/Schedule.h"

#include <QDialog>
#include <QPixmap>
#include <QRect>

#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMouseEvent;
class QPaintEvent;
class QPushButton;
class QRadioButton;
class QTreeWidget;

class CTwilightDlg : public QDialog
{
    Q_OBJECT

public:
    // `prompts` answers every modal box of the dialog and must outlive it;
    // `today` gives the date shown at start-up. The dialog is in its start-up
    // state, with the first table filled, when the constructor returns.
    explicit CTwilightDlg(Prompts* prompts, UtcDateSource today = CurrentUtcDate, QWidget* parent = nullptr);
    ~CTwilightDlg() override;

    // Start-up: every control to its start value, then the first table.
    void OnInitDialog();

    // Location lists.
    void FillCountryList();
    void FillCityList();
    void ApplySelectedLocation();
    void OnSelChangeCountry();
    void OnSelChangeCity();

    // The table.
    void FillTable();
    void OnRefresh();
    // The inputs of a refresh, read from the controls as they are now.
    ScheduleInput ReadInputs() const;
    // The rows of the table widget as shown, in table order.
    std::vector<ScheduleRow> TableRows() const;
    void OnSaveTable();

    // Inputs and their enabled states.
    void FillDayList(int year, int month);
    void UpdatePeriodControls();
    void UpdateTwilightControls();
    void OnSelChangeYearOrMonth();
    void OnDayOrSummerTimeChanged();
    void OnPeriodRadio();
    void OnTwilightCheck();
    void OnGridCheck();

    // Field checks, run when a field loses the focus.
    void OnKillFocusLongitude();
    void OnKillFocusLatitude();
    void OnKillFocusTimeZone();
    void OnKillFocusMorningOffset();
    void OnKillFocusEveningOffset();
    void OnKillFocusMorningHour();
    void OnKillFocusMorningMinute();
    void OnKillFocusEveningHour();
    void OnKillFocusEveningMinute();

    void OnInfoButton();
    // Any change of the table's rows or of their selection: the chart is redrawn.
    void OnListItemChanged();
    // Marks the chart area, the rectangle of group box "Grafische Darstellung"
    // in the dialog's client pixels, for repainting.
    void InvalidateChart();
    // That rectangle.
    QRect ChartFrame() const;

    // The chart. OnPaint draws the two colour swatches and the chart from the
    // controls and the table as they are now; it runs inside paintEvent.
    void OnPaint();
    // What the chart shows, read from the controls and the table's texts.
    ChartData ReadChartData() const;
    // A left click at `point` (client pixels): a click on a swatch lets the
    // user pick that curve's colour; swatch and chart are repainted after the
    // picker closes, whether a colour was chosen or not.
    void OnLButtonDown(unsigned flags, const QPoint& point);
    // The colour picker, opened on `initial`: the chosen colour, or `initial`
    // when the picker was cancelled.
    COLORREF PickColour(COLORREF initial);

    // The modal boxes of the dialog (message box, save dialog, colour picker).
    Prompts* m_prompts = nullptr;

    QPixmap m_hIconSmall;  // 16 x 16
    QPixmap m_hIconLarge;  // 32 x 32

    // The chart's curve colours and their swatches, set at start-up.
    COLORREF m_morningColour = 0;
    COLORREF m_eveningColour = 0;
    PixelRect m_morningSwatch;
    PixelRect m_eveningSwatch;

    // The controls, in template order below; all owned by the dialog.
    QGroupBox* m_chartFrame = nullptr;
    QRadioButton* m_radioYear = nullptr;
    QRadioButton* m_radioMonth = nullptr;
    QRadioButton* m_radioDay = nullptr;
    QCheckBox* m_checkSummerTime = nullptr;
    QCheckBox* m_checkMorning = nullptr;
    QCheckBox* m_checkEvening = nullptr;
    QComboBox* m_comboYear = nullptr;
    QComboBox* m_comboMonth = nullptr;
    QComboBox* m_comboDay = nullptr;
    QComboBox* m_comboCountry = nullptr;
    QComboBox* m_comboCity = nullptr;
    QTreeWidget* m_listTable = nullptr;
    QLineEdit* m_editMorningOffset = nullptr;
    QLineEdit* m_editMorningHour = nullptr;
    QLineEdit* m_editMorningMinute = nullptr;
    QLineEdit* m_editEveningOffset = nullptr;
    QLineEdit* m_editEveningHour = nullptr;
    QLineEdit* m_editEveningMinute = nullptr;
    QLineEdit* m_editLongitude = nullptr;
    QLineEdit* m_editLatitude = nullptr;
    QLineEdit* m_editTimeZone = nullptr;
    QCheckBox* m_checkGrid = nullptr;
    QPushButton* m_buttonRefresh = nullptr;
    QPushButton* m_buttonExit = nullptr;
    QPushButton* m_buttonSave = nullptr;
    QPushButton* m_buttonInfo = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void CreateControls();
    void ConnectControls();
    void WatchKeysAndFocus(QWidget* widget);
    void CheckInputField(QLineEdit* edit, InputField field);

    UtcDateSource m_today;
    QButtonGroup* m_periodGroup = nullptr;
    // Set while the dialog is being destroyed: fields losing the focus then
    // are not checked any more.
    bool m_bClosing = false;
};
