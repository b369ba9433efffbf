#include "Unit1.h"

#include "FileDialog.h"
#include "Fonts.h"
#include "Keyboard.h"
#include "MessageBox.h"
#include "Page.h"
#include "Shell.h"
#include "WebAddresses.h"
#include "WindowFrame.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QSaveFile>

TForm1 *Form1 = nullptr;

namespace {

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

TForm1::TForm1(TForm1 *&reference)
    : m_reference(reference)
{
    reference = this;
    setupUi(this);

    brevasto::ApplyClassicMetrics(this);
    // Plain sans-serif families of about the designed width first, narrower ones after,
    // so that every caption keeps its room.
    brevasto::SubstituteMissingFont(
        this, QStringLiteral("MS Sans Serif"),
        {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
         QStringLiteral("Arial"), QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans Narrow"),
         QStringLiteral("DejaVu Sans Condensed")});
    BitBtn1->setIcon(QIcon(QStringLiteral(":/resources/help.png")));
    BitBtn1->setIconSize(QSize(18, 18));
    // A description's position is not applied to a top-level window; its size is kept
    // for the whole window, frame included.
    move(253, 147);
    brevasto::DesignedFrameSize::Install(this, QSize(610, 485), QSize(601, 449));

    // The initial texts are in place before the link field reports changes, so building
    // the window generates nothing.
    Edit1->setText(FromUtf8(brevasto::web::MakerSite));
    Edit2->setText(FromUtf8(brevasto::web::ExampleAffiliateLink));
    Edit1->home(false);
    Edit2->home(false);

    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(BitBtn1); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(BitBtn2); });
    connect(BitBtn3, &QPushButton::clicked, this, [this] { BitBtn3Click(BitBtn3); });
    connect(Edit2, &QLineEdit::textChanged, this, [this] { Edit2Change(Edit2); });
    connect(Label2, &brevasto::Label::clicked, this, [this] { Label2Click(Label2); });
    connect(Image1, &brevasto::Image::clicked, this, [this] { Label2Click(Image1); });
    connect(Label1, &brevasto::Label::clicked, this, [this] { Label1Click(Label1); });
    // Choosing a page type rebuilds the result at once, so it always shows the chosen type.
    for (QRadioButton *type : {RadioButton1, RadioButton2, RadioButton3})
        connect(type, &QRadioButton::toggled, this, [this, type](bool checked) {
            if (checked)
                Edit2Change(type);
        });

    brevasto::WindowKeyboard::Install(this);
    BitBtn1->setFocus();

    FormCreate(this);
}

TForm1::~TForm1()
{
    if (m_reference == this)
        m_reference = nullptr;
}

void TForm1::FormCreate(QObject *)
{
    Form1->setWindowTitle(QStringLiteral("Brevasto"));
}

void TForm1::BitBtn1Click(QObject *)
{
    brevasto::OpenInBrowser(FromUtf8(brevasto::web::HelpPage));
}

void TForm1::Label1Click(QObject *)
{
    brevasto::OpenInBrowser(FromUtf8(brevasto::web::MakerSite));
}

void TForm1::Label2Click(QObject *)
{
    brevasto::OpenInBrowser(FromUtf8(brevasto::web::ExampleAffiliateLink));
}

void TForm1::BitBtn2Click(QObject *)
{
    const QString clip = QGuiApplication::clipboard()->text();
    if (clip.isEmpty())
        return;
    // As one edit of the field, so Undo brings the previous link back.
    Edit2->selectAll();
    Edit2->insert(clip);
}

void TForm1::BitBtn3Click(QObject *)
{
    const QString caption = windowTitle();
    const QString page = Memo1->lines().text();
    if (page.isEmpty()) {
        brevasto::ShowMessageBox(
            {caption, QStringLiteral("There is no page to save yet: paste an affiliate link first."),
             QMessageBox::Information, QMessageBox::Ok});
        return;
    }

    const bool php = RadioButton1->isChecked();
    if (m_saveFolder.isEmpty())
        m_saveFolder = QDir::homePath();
    const QString path = brevasto::AskSaveFileName(
        this, {QStringLiteral("Save Redirect Page"),
               QDir(m_saveFolder).filePath(php ? QStringLiteral("go.php") : QStringLiteral("go.html")),
               php ? QStringLiteral("PHP pages (*.php);;All files (*)")
                   : QStringLiteral("HTML pages (*.html *.htm);;All files (*)")});
    if (path.isEmpty())
        return;
    const QString shown = QDir::toNativeSeparators(path);
    if (QFileInfo::exists(path)
        && brevasto::ShowMessageBox(
               {caption, QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(shown),
                QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No})
               != QMessageBox::Yes)
        return;
    m_saveFolder = QFileInfo(path).absolutePath();

    // Written beside the old file and then put in its place, so a failure leaves any
    // earlier file whole.
    QSaveFile file(path);
    const QByteArray bytes = page.toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        brevasto::ShowMessageBox({caption,
                                  QStringLiteral("Could not save %1:\n%2.").arg(shown, file.errorString()),
                                  QMessageBox::Warning, QMessageBox::Ok});
    }
}

void TForm1::Edit2Change(QObject *)
{
    const auto type = CheckedPageType();
    if (!type)
        return;

    const QByteArray link = Edit2->text().toUtf8();
    const std::vector<std::string> page =
        brevasto::MakePage(*type, std::string_view(link.constData(), static_cast<std::size_t>(link.size())));

    brevasto::MemoLines result = Memo1->lines();
    result.clear();
    for (const std::string &line : page)
        result.append(FromUtf8(line));
}

std::optional<brevasto::PageType> TForm1::CheckedPageType() const
{
    if (RadioButton1->isChecked())
        return brevasto::PageType::Php;
    if (RadioButton2->isChecked())
        return brevasto::PageType::Standard;
    if (RadioButton3->isChecked())
        return brevasto::PageType::Java;
    return std::nullopt;
}
