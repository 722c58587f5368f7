"""Search, create and refresh: the address the program hands the browser component, and the
request the local encyclopedia server receives."""

import re
import time

import harness

SEARCH = "搜索词条"
CREATE = "创建词条"
REFRESH = "刷新"
REQUEST_SECONDS = 10

# Wine's browser component reports every call the program makes on it in its trace channel: the
# exact address handed to Navigate, and each Refresh.
TRACE_COMPONENT = {"WINEDEBUG": "trace+ieframe"}
NAVIGATE_CALL = re.compile(r'WebBrowser_Navigate \([0-9A-Fa-f]+\)->\(L"([^"]*)"')
REFRESH_CALL = re.compile(r"WebBrowser_Refresh \(")

# Before sending, Wine's component turns the escapes of the four unreserved punctuation bytes back
# into the bytes (RFC 3986 normalisation); every other escape reaches the server unchanged.
UNRESERVED_ESCAPES = {"%2D": "-", "%2E": ".", "%5F": "_", "%7E": "~"}


def gbk_percent_encoded(name):
    """Every GBK byte but ASCII letters and digits as %XX, upper case."""
    return "".join(chr(b) if chr(b).isascii() and chr(b).isalnum() else "%%%02X" % b
                   for b in name.encode("gbk"))


def as_sent_by_wine(target):
    return re.sub("|".join(UNRESERVED_ESCAPES), lambda m: UNRESERVED_ESCAPES[m.group(0)], target)


def query_keys(target):
    return [pair.split("=", 1)[0] for pair in target.split("?", 1)[1].split("&")]


class Commands(harness.WindowTestCase):

    def component_calls(self):
        with open(self.program.log_path, encoding="utf-8", errors="replace") as log:
            text = log.read()
        return NAVIGATE_CALL.findall(text), len(REFRESH_CALL.findall(text))

    def click_and_expect_request(self, button, count):
        self.driver.run("click", self.window, button)
        requests = self.server.wait_for(count, REQUEST_SECONDS)
        self.assertEqual(count, len(requests), f"after clicking {button}: requests {requests}")
        return requests[-1]

    def check_address(self, path, request):
        """The program navigated to http://host + path; the server got that request."""
        navigations, _ = self.component_calls()
        self.assertEqual(f"http://{self.config.host}{path}", navigations[-1], "address navigated to")
        self.assertEqual(as_sent_by_wine(path), request.target, "request target")
        self.assertEqual(("GET", self.config.host), (request.method, request.host))

    def test_search_create_and_refresh(self):
        cases = [
            # name, the encoded name the addresses carry
            ("词条", "%B4%CA%CC%F5"),
            ("a b&c#d=e%f", "a%20b%26c%23d%3De%25f"),
            ("x?y/z+", "x%3Fy%2Fz%2B"),
            ("A-Z_0.9~", "A%2DZ%5F0%2E9%7E"),
            ("丟C语言 2", "%81GC%D3%EF%D1%D4%202"),  # 丟 is 81 47: its second byte is "G"
            ("", ""),
        ]
        self.start_program(TRACE_COMPONENT)
        self.wait_for_window()
        received = 0
        for name, encoded in cases:
            with self.subTest(name=name):
                self.assertEqual(encoded, gbk_percent_encoded(name))
                self.driver.run("settext", self.window, "Edit", name)

                received += 1
                search = self.click_and_expect_request(SEARCH, received)
                self.check_address(f"/searchword/?word={encoded}&pic=2&sug=1&oq={encoded}", search)
                self.assertEqual(["word", "pic", "sug", "oq"], query_keys(search.target))

                received += 1
                create = self.click_and_expect_request(CREATE, received)
                self.check_address(f"/searchword/?word={encoded}&pic=1&sug=1", create)
                self.assertEqual(["word", "pic", "sug"], query_keys(create.target))

                # Refresh asks the component to reload. Wine's component loads no document (it
                # has no HTML engine), so it has nothing to reload and sends nothing; an engine
                # that showed the page would request it again.
                _, refreshes = self.component_calls()
                self.driver.run("click", self.window, REFRESH)
                self.assertEqual(refreshes + 1, self.component_calls()[1], "Refresh called once")
                time.sleep(0.5)
                reloads = self.server.requests()[received:]
                self.assertEqual([create.target] * len(reloads), [r.target for r in reloads])
                received += len(reloads)

        # The component's command-state notifications reach part 1 of the status bar.
        _, (forward_or_back,) = self.driver.run("sbtext", self.window, 1)
        self.assertIn(forward_or_back["text"], ("0", "1"))

        self.close_and_expect_exit(0)
        self.assertEqual(received, len(self.server.requests()), "no request beyond the clicks'")

    def test_the_name_is_read_at_each_click(self):
        self.start_and_wait_for_window()
        self.driver.run("settext", self.window, "Edit", "甲")
        first = self.click_and_expect_request(SEARCH, 1)
        second = self.click_and_expect_request(SEARCH, 2)
        self.assertEqual(first.target, second.target, "same name, same address byte for byte")
        self.driver.run("settext", self.window, "Edit", "乙")
        third = self.click_and_expect_request(SEARCH, 3)
        self.assertEqual("/searchword/?word=%D2%D2&pic=2&sug=1&oq=%D2%D2", third.target)
        self.close_and_expect_exit(0)

    def test_a_long_name_arrives_whole(self):
        name = "词条" * 150 + "x" * 100  # 700 bytes, 1900 encoded, twice in the search address
        encoded = gbk_percent_encoded(name)
        self.start_and_wait_for_window()
        self.driver.run("settext", self.window, "Edit", name)
        search = self.click_and_expect_request(SEARCH, 1)
        self.assertEqual(f"/searchword/?word={encoded}&pic=2&sug=1&oq={encoded}", search.target)
        self.close_and_expect_exit(0)

    def test_closing_while_a_page_loads_exits_with_0(self):
        self.start_and_wait_for_window()
        self.driver.run("settext", self.window, "Edit", "slowpage")
        self.click_and_expect_request(SEARCH, 1)  # the server holds its answer back a while
        self.close_and_expect_exit(0)
