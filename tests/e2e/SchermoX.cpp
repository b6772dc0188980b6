#include "SchermoX.h"

#include <QProcess>
#include <QStringList>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <xcb/xcb.h>

namespace SchermoX {

namespace {
xcb_connection_t* connessione = nullptr;
xcb_window_t radice = 0;

xcb_atom_t Atomo(const char* nome)
{
    xcb_intern_atom_reply_t* r =
        xcb_intern_atom_reply(connessione, xcb_intern_atom(connessione, 0, uint16_t(std::strlen(nome)), nome), nullptr);
    const xcb_atom_t a = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(r);
    return a;
}

void Xdotool(const QStringList& argomenti)
{
    QProcess p;
    p.start(QStringLiteral("xdotool"), argomenti);
    if (!p.waitForFinished(10000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        throw std::runtime_error("xdotool " + argomenti.join(' ').toStdString() + " failed: "
                                 + p.readAllStandardError().toStdString());
}
}  // namespace

bool Collega()
{
    connessione = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connessione))
        return false;
    radice = xcb_setup_roots_iterator(xcb_get_setup(connessione)).data->root;
    return true;
}

QList<Finestra> Visibili()
{
    QList<Finestra> trovate;
    xcb_query_tree_reply_t* albero = xcb_query_tree_reply(connessione, xcb_query_tree(connessione, radice), nullptr);
    if (!albero)
        return trovate;
    static const xcb_atom_t nomeUtf8 = Atomo("_NET_WM_NAME");
    static const xcb_atom_t utf8 = Atomo("UTF8_STRING");
    const xcb_window_t* figli = xcb_query_tree_children(albero);
    const int n = xcb_query_tree_children_length(albero);
    for (int i = 0; i < n; ++i) {
        const xcb_window_t w = figli[i];
        auto* attributi = xcb_get_window_attributes_reply(connessione, xcb_get_window_attributes(connessione, w), nullptr);
        const bool mappata = attributi && attributi->map_state == XCB_MAP_STATE_VIEWABLE;
        std::free(attributi);
        if (!mappata)
            continue;
        auto* nome = xcb_get_property_reply(connessione, xcb_get_property(connessione, 0, w, nomeUtf8, utf8, 0, 256), nullptr);
        QString titolo;
        if (nome)
            titolo = QString::fromUtf8(static_cast<const char*>(xcb_get_property_value(nome)),
                                       xcb_get_property_value_length(nome));
        std::free(nome);
        if (!titolo.startsWith(QStringLiteral("Bussolino")))
            continue;
        auto* g = xcb_get_geometry_reply(connessione, xcb_get_geometry(connessione, w), nullptr);
        if (!g)
            continue;
        trovate.append({w, titolo, QRect(g->x, g->y, g->width, g->height)});
        std::free(g);
    }
    std::free(albero);
    return trovate;
}

void Clicca(QPoint punto)
{
    Xdotool({QStringLiteral("mousemove"), QString::number(punto.x()), QString::number(punto.y()),
             QStringLiteral("click"), QStringLiteral("1")});
}

void Allontana()
{
    Xdotool({QStringLiteral("mousemove"), QStringLiteral("1270"), QStringLiteral("1010")});
}

QImage Cattura(const QRect& r)
{
    xcb_get_image_reply_t* img = xcb_get_image_reply(
        connessione,
        xcb_get_image(connessione, XCB_IMAGE_FORMAT_Z_PIXMAP, radice, int16_t(r.x()), int16_t(r.y()),
                      uint16_t(r.width()), uint16_t(r.height()), ~0u),
        nullptr);
    if (!img)
        throw std::runtime_error("cannot read the screen");
    // A 24-bit screen keeps each pixel in 32 bits, blue first: exactly Qt's RGB32.
    const int lunghezza = xcb_get_image_data_length(img);
    if (img->depth != 24 || lunghezza < r.width() * r.height() * 4) {
        std::free(img);
        throw std::runtime_error("the screen must be 24 bits deep");
    }
    QImage copia(r.size(), QImage::Format_RGB32);
    const uint8_t* dati = xcb_get_image_data(img);
    const int riga = lunghezza / r.height();
    for (int y = 0; y < r.height(); ++y)
        std::memcpy(copia.scanLine(y), dati + y * riga, size_t(r.width()) * 4);
    std::free(img);
    return copia;
}

void ChiudiDallaCornice(uint32_t id)
{
    static const xcb_atom_t protocolli = Atomo("WM_PROTOCOLS");
    static const xcb_atom_t elimina = Atomo("WM_DELETE_WINDOW");
    xcb_client_message_event_t e{};
    e.response_type = XCB_CLIENT_MESSAGE;
    e.format = 32;
    e.window = id;
    e.type = protocolli;
    e.data.data32[0] = elimina;
    e.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connessione, 0, id, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&e));
    xcb_flush(connessione);
}

}  // namespace SchermoX
