# Quorvel: the everyday commands. "make run" builds and starts the program,
# "make test" builds and runs the whole test suite, "make bench" the benchmarks.
BUILD ?= build
FUZZ_BUILD ?= build-fuzz
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
FUZZ_RUNS ?= 30000

.PHONY: all deps build run test fuzz-short fuzz bench package install clean

all: build

deps:
	./scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) -j$(JOBS)

run: build
	$(BUILD)/bin/quorvel

# The Debian package quorvel_VERSION_amd64.deb in $(BUILD).
package: build
	cd $(BUILD) && cpack -G DEB

# Installs into PREFIX (default /usr/local).
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# The fuzz run comes first, so that CTest's summary closes the output.
test: build fuzz-short
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

$(FUZZ_BUILD)/bin/%: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DQUORVEL_FUZZ=ON -DQUORVEL_BENCH=OFF
	cmake --build $(FUZZ_BUILD) -j$(JOBS) --target $*

# The fuzz targets, then the hostile files through the sanitized quorvel_cli.
fuzz-short: $(FUZZ_BUILD)/bin/fuzz_fields $(FUZZ_BUILD)/bin/fuzz_settings $(FUZZ_BUILD)/bin/fuzz_exif \
            $(FUZZ_BUILD)/bin/fuzz_hcompress $(FUZZ_BUILD)/bin/test_hostile
	rm -rf $(FUZZ_BUILD)/corpus_fields && mkdir -p $(FUZZ_BUILD)/corpus_fields
	cp tests/fuzz/seeds_fields/* $(FUZZ_BUILD)/corpus_fields/
	$(FUZZ_BUILD)/bin/fuzz_fields -runs=$(FUZZ_RUNS) -max_len=4096 $(FUZZ_BUILD)/corpus_fields \
	  >$(FUZZ_BUILD)/fuzz_fields.log 2>&1 || { tail -n 40 $(FUZZ_BUILD)/fuzz_fields.log; exit 1; }
	grep -E '^Done [0-9]+ runs' $(FUZZ_BUILD)/fuzz_fields.log
	rm -rf $(FUZZ_BUILD)/corpus_settings && mkdir -p $(FUZZ_BUILD)/corpus_settings
	cp tests/fuzz/seeds_settings/* $(FUZZ_BUILD)/corpus_settings/
	$(FUZZ_BUILD)/bin/fuzz_settings -runs=$(FUZZ_RUNS) -max_len=4096 -dict=tests/fuzz/settings.dict $(FUZZ_BUILD)/corpus_settings \
	  >$(FUZZ_BUILD)/fuzz_settings.log 2>&1 || { tail -n 40 $(FUZZ_BUILD)/fuzz_settings.log; exit 1; }
	grep -E '^Done [0-9]+ runs' $(FUZZ_BUILD)/fuzz_settings.log
	rm -rf $(FUZZ_BUILD)/corpus_exif && mkdir -p $(FUZZ_BUILD)/corpus_exif
	cp tests/fuzz/seeds_exif/* $(FUZZ_BUILD)/corpus_exif/
	$(FUZZ_BUILD)/bin/fuzz_exif -runs=$(FUZZ_RUNS) -max_len=4096 -dict=tests/fuzz/exif.dict $(FUZZ_BUILD)/corpus_exif \
	  >$(FUZZ_BUILD)/fuzz_exif.log 2>&1 || { tail -n 40 $(FUZZ_BUILD)/fuzz_exif.log; exit 1; }
	grep -E '^Done [0-9]+ runs' $(FUZZ_BUILD)/fuzz_exif.log
	rm -rf $(FUZZ_BUILD)/corpus_hcompress && mkdir -p $(FUZZ_BUILD)/corpus_hcompress
	cp tests/fuzz/seeds_hcompress/* $(FUZZ_BUILD)/corpus_hcompress/
	$(FUZZ_BUILD)/bin/fuzz_hcompress -runs=$(FUZZ_RUNS) -max_len=4096 $(FUZZ_BUILD)/corpus_hcompress \
	  >$(FUZZ_BUILD)/fuzz_hcompress.log 2>&1 || { tail -n 40 $(FUZZ_BUILD)/fuzz_hcompress.log; exit 1; }
	grep -E '^Done [0-9]+ runs' $(FUZZ_BUILD)/fuzz_hcompress.log
	$(FUZZ_BUILD)/bin/test_hostile

fuzz: FUZZ_RUNS = 5000000
fuzz: fuzz-short

# quorvel_cli's four figures: the batch, the table, one case, and the peer.
bench: build
	$(BUILD)/bin/bench_batch
	bench/batch_rate.sh $(BUILD)/bin/quorvel_cli
	bench/table_rate.sh $(BUILD)/bin/quorvel_cli
	bench/ephem_time.sh $(BUILD)/bin/quorvel_cli
	bench/peers.sh $(BUILD)/bin/quorvel_cli $(BUILD)/peers
	$(BUILD)/bin/bench_picture
	bench/render_time.sh $(BUILD)/bin/quorvel_cli
	bench/precise_table_rate.sh $(BUILD)/bin/quorvel_cli
	$(BUILD)/bin/model_accuracy tests/ephemeris/precise_sunpy.txt
	bench/measure_open.sh $(BUILD)/bin/quorvel_cli $(BUILD)/bin/make_sun_image
	bench/small_open.sh $(BUILD)/bin/quorvel_cli
	bench/log_report.sh $(BUILD)/bin/quorvel_cli $(BUILD)/bin/make_log
	taskset -c 0 $(BUILD)/bin/bench_spots

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD)
